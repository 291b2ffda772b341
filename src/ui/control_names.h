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

// The hidden text shown for an extension that opens with no program ("029").
inline constexpr const char* kNoProgramText = "errr";
// The hidden box that is ticked while a splitter member ticks the splitter master, so
// that the master's click leaves the other members alone.
inline constexpr const char* kMemberTicksMaster = "tt";
// The text over the wait panel.
inline constexpr const char* kWaitText = "Label2";
// The tabs: 1 the filters, 2 the associations, 3 about.
inline constexpr const char* kTabs = "TabStrip1";

// The profile buttons.
inline constexpr const char* kDeleteProfileButton = "Command1";
inline constexpr const char* kSaveProfileButton = "Command2";
inline constexpr const char* kApplyButton = "Command3";

// The filter of the FFDshow row, its help icon and the captions under its configure icons.
inline constexpr const char* kFfdshowBox = "Check6";
inline constexpr const char* kFfdshowHelpIcon = "Picture17";
inline constexpr const char* kFfdshowVideoLabel = "Label555";
inline constexpr const char* kFfdshowAudioLabel = "Label5";
inline constexpr const char* kFfdshowVfwLabel = "Label55";
// The player's icon, which starts it.
inline constexpr const char* kPlayerIcon = "Picture18";

// The extension lists of the associations tab, each entry ticked or not.
inline constexpr const char* kVideoList = "List1";
inline constexpr const char* kAudioList = "List2";
inline constexpr const char* kPersonalList = "List3";
// The typed extensions to add to the personal list and to remove from it.
inline constexpr const char* kExtensionToAdd = "Text1";
inline constexpr const char* kExtensionToRemove = "Text2";
// The chosen player: its full path (hidden) and its file name as shown.
inline constexpr const char* kChosenPlayer = "asss";
inline constexpr const char* kChosenPlayerName = "Text3";
inline constexpr const char* kAddExtensionButton = "Command4";
inline constexpr const char* kRemoveExtensionButton = "Command5";
inline constexpr const char* kAssociateButton = "Command6";
inline constexpr const char* kChooseProgramButton = "Command7";

// The about tab's buttons.
inline constexpr const char* kUpdateCheckButton = "Command9";
inline constexpr const char* kDonateButton = "Command10";

}  // namespace tzp::ui
