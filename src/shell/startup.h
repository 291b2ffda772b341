#pragma once
#include "core/app.h"

namespace tzp::shell {

inline constexpr const char* kPackKey = "SOFTWARE\\Tessaly Zivozod Pack\\";
inline constexpr const char* kLanguageValue = "SOFTWARE\\Tessaly Zivozod Pack\\cpllang";

// Attaches every behaviour of the window: the tabs, closing, and each subsystem's.
void WireForm(App& app);

// The load sequence, run once when the window is created and before any user event.
void RunLoadSequence(App& app);

// Step 11 of the load sequence: every caption from the language file, in a fixed
// order. A language file that cannot be read leaves the built-in captions.
void SetCaptionsFromLanguage(App& app);

}  // namespace tzp::shell
