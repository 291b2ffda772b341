#pragma once
// The thread's one message pump. The main loop and the pumps that run while an action
// waits all pass the keys through the window's keyboard interface first.
#include <windows.h>

namespace tzp::platform {

class KeyboardTranslator {
  public:
    virtual ~KeyboardTranslator() = default;
    // True when the message was used and must not be dispatched.
    virtual bool TranslateKeyboard(MSG& message) = 0;
};

// The window whose keyboard interface the thread's pumps use; nullptr for none. It
// stays until it is replaced.
void SetKeyboardTranslator(KeyboardTranslator* translator);

// Runs the thread's messages until the program is asked to quit; returns the quit code.
int RunMessageLoop();

enum class UserInput { Handle, Drop };

// Runs what is waiting in the queue now. Dropped input is gone, not kept for later: a
// click made while a pass runs must not act afterwards. Returns false when the program
// was asked to quit, its code in `quitCode`; the caller posts the quit again.
bool RunPendingMessages(UserInput input, int& quitCode);

}  // namespace tzp::platform
