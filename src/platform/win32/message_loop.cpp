#include "platform/win32/message_loop.h"

namespace tzp::platform {

namespace {

thread_local KeyboardTranslator* keyboard = nullptr;

// Keyboard, mouse, touch, and the requests they lead to (the window menu, the taskbar's
// "Close window"), when they come through the queue.
bool IsUserInput(UINT message) {
    return message == WM_SYSCOMMAND || message == WM_CLOSE ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
           (message >= WM_NCMOUSEHOVER && message <= WM_MOUSELEAVE) ||
           (message >= WM_POINTERDEVICECHANGE && message <= WM_POINTERHWHEEL) ||
           message == WM_INPUT || message == WM_GESTURE || message == WM_TOUCH;
}

void Handle(MSG& message) {
    if (keyboard != nullptr && keyboard->TranslateKeyboard(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void SetKeyboardTranslator(KeyboardTranslator* translator) {
    keyboard = translator;
}

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Handle(message);
    }
    return static_cast<int>(message.wParam);
}

bool RunPendingMessages(UserInput input, int& quitCode) {
    MSG message;
    bool quit = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(message.wParam);
            continue;
        }
        if (input == UserInput::Drop && IsUserInput(message.message)) {
            continue;
        }
        Handle(message);
    }
    return !quit;
}

}  // namespace tzp::platform
