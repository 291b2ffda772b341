#pragma once
// The extensions the associations tab always shows: a fixed video list and a fixed
// audio list, in the order their entries are added to List1 and List2.
#include <array>
#include <string_view>

namespace tzp::assoc {

inline constexpr std::array<std::string_view, 46> kVideoExtensions = {
    ".mpg", ".mpeg", ".mpe",  ".mv1", ".mv2", ".m1v",  ".m2v",  ".mpv2", ".mp2v", ".dat",
    ".ts",  ".tp",   ".tpr",  ".pva", ".fli", ".flic", ".flc",  ".rm",   ".rmvb", ".rpm",
    ".rv",  ".rp",   ".smil", ".smi", ".mov", ".qt",   ".swf",  ".flv",  ".avi",  ".ogm",
    ".mkv", ".vob",  ".ifo",  ".ivf", ".mp4", ".3gp",  ".divx", ".vp6",  ".vp7",  ".roq",
    ".smk", ".bik",  ".wmv",  ".wmp", ".wm",  ".asf",
};

// ".mp4" stands in both lists on purpose: each list shows its own lookup of it.
inline constexpr std::array<std::string_view, 28> kAudioExtensions = {
    ".m4a", ".aif", ".aifc", ".aiff", ".mpa", ".mp2", ".m1a", ".m2a",  ".mid", ".midi",
    ".rmi", ".wav", ".cda",  ".ac3",  ".dts", ".mka", ".mp3", ".mp4",  ".aac", ".ogg",
    ".ra",  ".ram", ".wma",  ".mpc",  ".ape", ".ofr", ".ofs", ".flac",
};

}  // namespace tzp::assoc
