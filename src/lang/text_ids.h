#pragma once
// The string ids of the texts the logic shows, named for what they say, so that a
// misspelt name fails to compile and a reader sees the message, not its number. The ids
// themselves never change: they are the language files'. The texts the program carries
// itself are BuiltinIds, which only build for an id that has a built-in text; the
// command line's own words are cli/texts.h's.
#include <string_view>

#include "lang/builtin_texts.h"

namespace tzp::lang::text {

// The pack's own texts, which only its language files hold.
inline constexpr std::string_view kPackVersion = "000";  // the updater's argument
inline constexpr std::string_view kExtensionAlreadyListed = "015";
inline constexpr std::string_view kTypeExtensionFirst = "016";
inline constexpr std::string_view kExtensionNotListed = "017";
inline constexpr std::string_view kChooseProgramFirst = "018";
inline constexpr std::string_view kAssociateQuestion = "019";
inline constexpr std::string_view kAssociationsWritten = "020";
inline constexpr std::string_view kFilterFileMissing = "021";
inline constexpr std::string_view kNotInstalled = "022";  // in place of a version
inline constexpr std::string_view kVersionWord = "023";
inline constexpr std::string_view kNoProgram = "029";  // an extension that opens with nothing
inline constexpr std::string_view kChooseProgramTitle = "030";
inline constexpr std::string_view kProgramFiles = "031";  // the open dialog's filter
inline constexpr std::string_view kNotAProgram = "032";
inline constexpr std::string_view kApplyQuestion = "033";
inline constexpr std::string_view kApplied = "034";
inline constexpr std::string_view kFfdshowHelp = "035";
inline constexpr std::string_view kCloseUnappliedQuestion = "037";
inline constexpr std::string_view kTypeProfileNameFirst = "038";
inline constexpr std::string_view kSaveNewProfileQuestion = "039";
inline constexpr std::string_view kProfileSaved = "040";
inline constexpr std::string_view kReplaceProfileQuestion = "041";
inline constexpr std::string_view kNoSuchProfile = "043";
inline constexpr std::string_view kDeleteProfileQuestion = "044";
// The button captions whose ids older language files also use for a message (see
// lang::LookupMessageText): the update check's, for the profile preview's question, and
// the donation's, for the refusal of a program extension.
inline constexpr std::string_view kUpdateCheckCaption = "045";
inline constexpr std::string_view kDonateCaption = "046";
inline constexpr std::string_view kUpToDate = "047";
inline constexpr std::string_view kNewerVersion = "048";
inline constexpr std::string_view kDonationPage = "999";

// The texts with a built-in fallback (lang/builtin_texts.cpp).
inline constexpr BuiltinId kProgramNotStarted = "060";
inline constexpr BuiltinId kImportEditorNotStarted = "061";
inline constexpr BuiltinId kImportFileMissing = "062";
inline constexpr BuiltinId kBadProfileName = "065";
inline constexpr BuiltinId kProfileFileMissing = "066";
inline constexpr BuiltinId kProfileNotSaved = "067";
inline constexpr BuiltinId kSettingsLeftOut = "068";
inline constexpr BuiltinId kProfileNotDeleted = "069";
inline constexpr BuiltinId kProgramExtensionRefused = "070";
inline constexpr BuiltinId kPersonalListNotSaved = "071";
inline constexpr BuiltinId kBadExtension = "072";
inline constexpr BuiltinId kExtensionsNotAssociated = "073";
inline constexpr BuiltinId kNotAssociable = "074";
inline constexpr BuiltinId kUpdaterNotStarted = "075";
inline constexpr BuiltinId kUpdaterGaveNoAnswer = "076";
inline constexpr BuiltinId kOldAnswerNotRemoved = "077";
inline constexpr BuiltinId kFilterSettingsName = "082";
inline constexpr BuiltinId kFilterSettingsTip = "083";
inline constexpr BuiltinId kPlayerTip = "084";
inline constexpr BuiltinId kProgress = "090";  // "%1 of %2: %3"
inline constexpr BuiltinId kBoxesCorrected = "091";
inline constexpr BuiltinId kLibraryDone = "092";
inline constexpr BuiltinId kImportEndedWithCode = "093";
inline constexpr BuiltinId kLibraryNotLoaded = "094";
inline constexpr BuiltinId kLibraryOtherBitness = "095";
inline constexpr BuiltinId kLibraryNoEntryPoint = "096";
inline constexpr BuiltinId kLibraryFailed = "097";
inline constexpr BuiltinId kLibraryStillWorking = "098";
inline constexpr BuiltinId kLibraryNotRun = "099";
inline constexpr BuiltinId kImportRefused = "120";
inline constexpr BuiltinId kRegisteredHere = "130";
inline constexpr BuiltinId kRegisteredElsewhere = "131";
inline constexpr BuiltinId kPartlyRegisteredHere = "132";
inline constexpr BuiltinId kNotRegistered = "133";
inline constexpr BuiltinId kOpenElsewhere = "134";
inline constexpr BuiltinId kDefaultAppsNotOpened = "135";
inline constexpr BuiltinId kNotRegistryFile = "136";
inline constexpr BuiltinId kLibraryCrashed = "149";
inline constexpr BuiltinId kHostNotStarted = "150";
inline constexpr BuiltinId kImportLeftSettings = "151";
inline constexpr BuiltinId kPlayerAppName = "152";
inline constexpr BuiltinId kPlayerAppDescription = "153";
inline constexpr BuiltinId kPlayerNotListed = "154";
// The decoder views in the window: a filter box's tooltip line, its context menu and the
// details view.
inline constexpr BuiltinId kUsedFirstFor = "177";  // "Used first for: %1"
inline constexpr BuiltinId kOutrankedBy = "178";   // "%1: %2, %3": format, winner, why
inline constexpr BuiltinId kHigherMerit = "179";   // %1 the winner's, %2 the pack's
inline constexpr BuiltinId kDecodersMenuItem = "180";
inline constexpr BuiltinId kDecodersTitle = "181";
inline constexpr BuiltinId kFormatColumn = "182";
inline constexpr BuiltinId kDecoderUsedColumn = "183";  // %1: "32" or "64"
inline constexpr BuiltinId kPackRankColumn = "184";     // %1: "32" or "64"
inline constexpr BuiltinId kWhyColumn = "185";          // %1: "32" or "64"
inline constexpr BuiltinId kRankOf = "186";             // "%1 of %2"
inline constexpr BuiltinId kNotTakenByPack = "187";
inline constexpr BuiltinId kCloseCaption = "188";

}  // namespace tzp::lang::text
