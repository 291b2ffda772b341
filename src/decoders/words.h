#pragma once
// The words the decoder views say, from the language file when it has the id, else built
// in (French for "fr", English otherwise).
#include <string>
#include <string_view>

#include "core/app.h"
#include "decoders/broken.h"

namespace tzp::decoders {

enum class Word {
    ViewHeading,             // %1: "32" or "64"
    Preferred,               // the candidate is Windows' preferred decoder
    Merit,                   // %1: the merit in hex
    EqualMerit,              // the candidate's merit equals another's
    PackFilter,              // %1: the pack's filter by name
    PreferredNotRegistered,  // %1: the class id
    NoDecoder,
    ExtensionsHeading,
    SourceFilter,  // %1: the class id
    NoSourceFilter,
    MediaFoundation,
    BrokenHeading,
    FileMissing,  // %1: the file
    ClassNotRegistered,
    FilterDataUnreadable,  // %1: why
    UnreadableHeading,
    Renderer,  // the candidate is a renderer that takes any subtype
};

// The word, with "%1" replaced by `value`.
std::string Say(const App& app, Word word, std::string_view value = {});

// "0x00600000".
std::string MeritText(uint32_t merit);

// The display name of the catalogue row of a box.
std::string_view BoxName(std::string_view box);

// What a broken entry is, in the language's words.
std::string ProblemText(const App& app, const BrokenEntry& entry);

}  // namespace tzp::decoders
