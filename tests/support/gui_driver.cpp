#include "support/gui_driver.h"

#include <commctrl.h>
#include <cstdio>
#include <tlhelp32.h>

#include "platform/win32/wide.h"

namespace tzp::testing {

using platform::Narrow;
using platform::Widen;

namespace {

constexpr wchar_t kTitle[] = L"Tessaly Zivozod Pack Control Panel";

std::string GetText(HWND hwnd) {
    wchar_t buffer[4096] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                        &result);
    return Narrow(buffer);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

struct Search {
    DWORD pid;
    std::wstring className;
    std::wstring title;
    HWND found = nullptr;
    bool anyVisibility = false;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || (!search->anyVisibility && !IsWindowVisible(hwnd))) {
        return TRUE;
    }
    if (!search->className.empty() && ClassOf(hwnd) != search->className) {
        return TRUE;
    }
    if (!search->title.empty()) {
        wchar_t title[256] = {};
        GetWindowTextW(hwnd, title, 256);
        if (search->title != title) {
            return TRUE;
        }
    }
    search->found = hwnd;
    return FALSE;
}

struct ChildSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    // A combo box's own edit has ID 1001 (Check1's): only our controls count.
    if (_wcsicmp(ClassOf(GetParent(hwnd)).c_str(), L"ComboBox") == 0) {
        return TRUE;
    }
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Memory in the program for the messages whose item, and the text buffer the item points
// to, must be there: pointers are not carried across processes.
class RemoteMemory {
  public:
    static constexpr int kChars = 1024;

    explicit RemoteMemory(DWORD processId)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId)) {
        if (process_ != nullptr) {
            base_ = static_cast<BYTE*>(
                VirtualAllocEx(process_, nullptr, 8192, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        }
    }
    ~RemoteMemory() {
        if (base_ != nullptr) {
            VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        }
        if (process_ != nullptr) {
            CloseHandle(process_);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    explicit operator bool() const { return base_ != nullptr; }

    // Sends the message with the item placed in the program, its text pointer set to a
    // buffer there of kChars characters, and gives the text the control wrote in it.
    template <typename Item>
    std::string Ask(HWND control, UINT message, WPARAM wparam, Item item, LPWSTR Item::*text) {
        item.*text = reinterpret_cast<LPWSTR>(base_ + 1024);
        WriteProcessMemory(process_, base_, &item, sizeof item, nullptr);
        SendMessageW(control, message, wparam, reinterpret_cast<LPARAM>(base_));
        wchar_t read[kChars] = {};
        ReadProcessMemory(process_, base_ + 1024, read, sizeof read - sizeof(wchar_t), nullptr);
        return Narrow(read);
    }

  private:
    HANDLE process_;
    BYTE* base_ = nullptr;
};

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(50);
    }
}

bool StartProcess(std::wstring commandLine, const wchar_t* folder, BOOL inheritHandles, DWORD flags,
                  STARTUPINFOW& startup, PROCESS_INFORMATION& process) {
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, inheritHandles, flags,
                           nullptr, folder, &startup, &process)) {
            return true;
        }
        const DWORD error = GetLastError();
        std::printf("start %d of %s failed: error %lu\n", attempt, Narrow(commandLine).c_str(),
                    error);
        std::fflush(stdout);
        if (attempt == 3) {
            process = {};
            return false;
        }
        Sleep(1000);
    }
}

GuiApp::GuiApp(const std::string& programPath) {
    std::wstring commandLine = L"\"" + Widen(programPath) + L"\"";
    const std::string folder = programPath.substr(0, programPath.rfind('\\'));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!StartProcess(commandLine, Widen(folder).c_str(), FALSE, 0, startup, process_)) {
        return;
    }
    WaitUntil(
        [&] {
            Search search{process_.dwProcessId, L"", kTitle};
            EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
            main_ = search.found;
            return main_ != nullptr;
        },
        30000);
}

GuiApp::~GuiApp() {
    if (process_.hProcess != nullptr) {
        if (Running()) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

std::string GuiApp::Title() const {
    return GetText(main_);
}

HWND GuiApp::Control(int id) const {
    ChildSearch search{id};
    EnumChildWindows(main_, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string GuiApp::Text(int id) const {
    return GetText(Control(id));
}

int GuiApp::Check(int id) const {
    const auto state = SendMessageW(Control(id), BM_GETCHECK, 0, 0);
    return state == BST_CHECKED ? 1 : state == BST_INDETERMINATE ? 2 : 0;
}

bool GuiApp::Enabled(int id) const {
    return IsWindowEnabled(Control(id)) != FALSE;
}

RECT GuiApp::Rect(int id) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    MapWindowPoints(HWND_DESKTOP, main_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool GuiApp::InView(int id) const {
    RECT client{};
    GetClientRect(main_, &client);
    const RECT rect = Rect(id);
    return rect.left < client.right && rect.top < client.bottom && rect.right > 0 &&
           rect.bottom > 0;
}

void GuiApp::Click(int id) {
    HWND control = Control(id);
    const std::wstring kind = ClassOf(control);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        PostMessageW(control, BM_CLICK, 0, 0);
    } else {
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
}

void GuiApp::SelectTab(int tab) {
    // Without TCS_BUTTONS, moving the focus selects the tab and notifies the window,
    // as a click on it does.
    PostMessageW(Control(3101), TCM_SETCURFOCUS, static_cast<WPARAM>(tab - 1), 0);
}

std::vector<std::string> GuiApp::TabCaptions() const {
    HWND tabs = Control(3101);
    std::vector<std::string> captions;
    RemoteMemory remote(process_.dwProcessId);
    if (!remote) {
        return captions;
    }
    const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.cchTextMax = RemoteMemory::kChars;
        captions.push_back(
            remote.Ask(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), item, &TCITEMW::pszText));
    }
    return captions;
}

std::string GuiApp::Tooltip(int id) const {
    Search search{process_.dwProcessId, TOOLTIPS_CLASSW, L""};
    search.anyVisibility = true;
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    RemoteMemory remote(process_.dwProcessId);
    if (search.found == nullptr || !remote) {
        return {};
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = main_;
    tool.uId = reinterpret_cast<UINT_PTR>(Control(id));
    return remote.Ask(search.found, TTM_GETTEXTW, RemoteMemory::kChars, tool,
                      &TTTOOLINFOW::lpszText);
}

std::vector<std::string> GuiApp::ListViewRow(HWND list, int row) const {
    std::vector<std::string> cells;
    RemoteMemory remote(process_.dwProcessId);
    if (!remote) {
        return cells;
    }
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) {
        LVITEMW item{};
        item.iSubItem = column;
        item.cchTextMax = RemoteMemory::kChars;
        cells.push_back(
            remote.Ask(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), item, &LVITEMW::pszText));
    }
    return cells;
}

bool GuiApp::TooltipShowsOnRest(int id, int milliseconds) const {
    const auto shown = [this] {
        Search search{process_.dwProcessId, TOOLTIPS_CLASSW, L""};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    };
    SetCursorPos(0, 0);
    for (int waited = 0; shown() && waited < 10000; waited += 50) {
        Sleep(50);
    }
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    // Two positions on the control: the pointer moves onto it, as a hand moves it.
    SetCursorPos(x - 1, y - 1);
    Sleep(50);
    SetCursorPos(x, y);
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (shown()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

void GuiApp::TypeText(int id, const std::string& text) {
    HWND control = Control(id);
    const bool combo = _wcsicmp(ClassOf(control).c_str(), L"ComboBox") == 0;
    HWND edit = combo ? FindWindowExW(control, nullptr, L"Edit", nullptr) : control;
    const std::wstring wide = Widen(text);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_BLOCK,
                        5000, &result);
    if (combo) {
        // Text set from outside raises no change notice from a combo box; typing does.
        SendMessageTimeoutW(GetParent(control), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
                            reinterpret_cast<LPARAM>(control), SMTO_BLOCK, 5000, &result);
    }
}

void GuiApp::PickComboEntry(int id, int index) {
    HWND combo = Control(id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> GuiApp::ListEntries(int id) const {
    HWND list = Control(id);
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> entries;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t buffer[1024] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
        entries.push_back(Narrow(buffer));
    }
    return entries;
}

std::vector<bool> GuiApp::ListTicks(int id) const {
    HWND list = Control(id);
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<bool> ticks;
    for (LRESULT i = 0; i < count; ++i) {
        ticks.push_back(SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
    }
    return ticks;
}

void GuiApp::SetListTick(int id, int index, bool ticked) {
    HWND list = Control(id);
    SendMessageW(list, LB_SETSEL, ticked ? TRUE : FALSE, index);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

std::optional<DialogSeen> GuiApp::WaitForDialog(int milliseconds) const {
    DialogSeen seen;
    const bool found = WaitUntil(
        [&] {
            Search search{process_.dwProcessId, L"#32770", L""};
            EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
            seen.hwnd = search.found;
            return seen.hwnd != nullptr;
        },
        milliseconds);
    if (!found) {
        return std::nullopt;
    }
    seen.title = GetText(seen.hwnd);
    if (HWND message = GetDlgItem(seen.hwnd, 0xFFFF); message != nullptr) {
        seen.text = GetText(message);
    }
    return seen;
}

void GuiApp::Press(const DialogSeen& dialog, int buttonId) {
    HWND button = GetDlgItem(dialog.hwnd, buttonId);
    if (button != nullptr) {
        PostMessageW(button, BM_CLICK, 0, 0);
    } else {
        PostMessageW(dialog.hwnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
    }
    WaitUntil([&] { return !IsWindow(dialog.hwnd) || !IsWindowVisible(dialog.hwnd); }, 10000);
}

std::optional<std::string> GuiApp::AnswerMessageBox(int buttonId, int milliseconds) {
    const auto dialog = WaitForDialog(milliseconds);
    if (!dialog) {
        return std::nullopt;
    }
    Press(*dialog, buttonId);
    return dialog->text;
}

int GuiApp::FocusedId() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(process_.dwThreadId, &info) || info.hwndFocus == nullptr) {
        return 0;
    }
    HWND focus = info.hwndFocus;
    if (_wcsicmp(ClassOf(GetParent(focus)).c_str(), L"ComboBox") == 0) {
        focus = GetParent(focus);  // the combo box's own edit
    }
    return focus == main_ || !IsChild(main_, focus) ? 0 : GetDlgCtrlID(focus);
}

void GuiApp::PressKey(WORD key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    HWND target = info.hwndFocus != nullptr ? info.hwndFocus : main_;
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

bool GuiApp::Visible(int id) const {
    return IsWindowVisible(Control(id)) != FALSE;
}

bool GuiApp::SendClick(int id) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(Control(id), BM_CLICK, 0, 0, SMTO_BLOCK, 5000, &result) != 0;
}

bool GuiApp::SendClose() {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main_, WM_CLOSE, 0, 0, SMTO_BLOCK, 5000, &result) != 0;
}

void GuiApp::RequestClose() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
}

bool GuiApp::WaitForExit(int milliseconds) {
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(milliseconds)) ==
           WAIT_OBJECT_0;
}

bool GuiApp::Running() const {
    return process_.hProcess != nullptr &&
           WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<std::string> ModulesOf(DWORD processId) {
    std::vector<std::string> names;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return names;
    }
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more;
         more = Module32NextW(snapshot, &entry)) {
        CharLowerW(entry.szModule);
        names.push_back(platform::Narrow(entry.szModule));
    }
    CloseHandle(snapshot);
    return names;
}

}  // namespace tzp::testing
