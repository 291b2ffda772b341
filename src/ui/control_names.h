#pragma once
// The names of the main window's controls that the logic addresses by role: written
// once here, so that a misspelt name fails to compile instead of failing at run time.
// The names themselves never change (they give the controls' IDs, ui/control_ids.h).

namespace tzp::ui {

// The profile box: its text is the chosen profile's name, its list the saved profiles.
inline constexpr const char* kProfileBox = "Combo1";
// The hidden list of the profile folder's files, which fills the profile box.
inline constexpr const char* kProfileFiles = "File1";
// The filters' installation folder, with its trailing backslash.
inline constexpr const char* kFilterPath = "filterpath";
// The hidden box that is ticked while the filter boxes differ from the chosen profile.
inline constexpr const char* kUnsavedChanges = "ischange";
// The hidden text that holds the language code.
inline constexpr const char* kLanguageCode = "langg";
// The panel that long actions bring over the window while they run.
inline constexpr const char* kWaitPanel = "wf";

}  // namespace tzp::ui
