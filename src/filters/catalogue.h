#pragma once
// The filters the pack ships: one row per filter check box. Every part of the program
// that deals with filters (captions, detection, the registration pass, the configure
// icons, profiles) reads this one table, so a filter is described in exactly one place.
//
// The header depends on the standard library only: the test filter libraries compile
// the table too, to register exactly the classes the control panel looks for.
#include <span>
#include <string_view>

namespace tzp::filters {

enum class PageArea {
    Configurable,  // a row of "Filtres configurables", with a configure icon
    Simple,        // a row of "Filtres simples"
    SplitterMember,
    Hidden,  // outside the visible area of this layout
};

struct FilterRow {
    std::string_view box;            // the check box, "Check6"
    std::string_view displayName;    // how people call the filter, "FFDshow"
    std::string_view captionPrefix;  // "FFDshow (", empty for a box with a fixed caption
    // The library below the installation directory, "filtres\ffdshow.ax"; the version
    // caption and the registration pass use it. Empty for a box with no filter behind it.
    std::string_view library;
    // The library a registered class must point to for the box to be ticked at
    // start-up; it differs from `library` in letter case only (madVR).
    std::string_view detectionLibrary;
    std::span<const std::string_view> clsids;  // in detection order, without braces
    PageArea area;
    std::string_view profileId;  // the key of the box's value in a profile state file
};

// All rows, in the order of the window's layout (configurable, splitter members, simple,
// hidden). Nineteen rows; `Check14` has no filter behind it.
std::span<const FilterRow> Catalogue();

// The row of a check box; a name that is not in the table is a programming fault.
const FilterRow& Row(std::string_view box);

// The order in which start-up reads the registered classes (detection), the version
// captions and the order of the registration pass, each as box names.
std::span<const std::string_view> DetectionOrder();
std::span<const std::string_view> CaptionOrder();
std::span<const std::string_view> RegistrationOrder();

// The splitter group: the master box and its five members (`Check1` to `Check5`).
inline constexpr std::string_view kSplitterMaster = "Check13";
std::span<const std::string_view> SplitterMembers();
// Member boxes in the order the pass registers them, and the order it unregisters them
// when the master is off.
std::span<const std::string_view> SplitterRegisterOrder();
std::span<const std::string_view> SplitterUnregisterOrder();

// The pack's player, which has a version caption and no box. Its relative name starts
// with a backslash, so the full path holds two in a row; Windows reads it the same.
inline constexpr std::string_view kPlayerLabel = "Label1";
inline constexpr std::string_view kPlayerCaptionPrefix = "MPCHC (";
inline constexpr std::string_view kPlayerVersionFile = "\\mpc\\mplayerc.exe";

// Every class id of the detection, in detection order: 62 of them.
size_t CountClsids();

}  // namespace tzp::filters
