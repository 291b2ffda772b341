#include "ui/win32/table_window.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win32/wide.h"

namespace tzp::ui {

namespace {

using platform::Widen;

// The window in dialog units; the system scales them with the dialog font and the DPI.
constexpr short kWidth = 620;
constexpr short kListHeight = 220;
constexpr short kMargin = 7;
constexpr short kButtonWidth = 60;
constexpr short kButtonHeight = 14;

// A dialog template is built in memory, so that the program needs no resource for it.
class Template {
  public:
    void Words(std::initializer_list<WORD> words) { data_.insert(data_.end(), words); }
    void Dword(DWORD value) { Words({LOWORD(value), HIWORD(value)}); }
    void Text(const std::wstring& text) {
        data_.insert(data_.end(), text.begin(), text.end());
        data_.push_back(0);
    }
    void Align() {
        if (data_.size() % 2 != 0) {
            data_.push_back(0);
        }
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id) {
        Align();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Words({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx),
               static_cast<WORD>(cy), id});
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

  private:
    std::vector<WORD> data_;
};

Template MakeTemplate(const platform::Table& table) {
    const short height = kMargin * 3 + kListHeight + kButtonHeight;
    Template t;
    t.Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    t.Dword(0);
    t.Words({2, 0, 0, static_cast<WORD>(kWidth), static_cast<WORD>(height), 0, 0});
    t.Text(Widen(table.title));
    t.Words({8});
    t.Text(L"MS Shell Dlg");
    t.Item(WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kMargin,
           kMargin, kWidth - 2 * kMargin, kListHeight, kTableListId);
    t.Text(WC_LISTVIEWW);
    t.Text(L"");
    t.Words({0});
    t.Item(WS_TABSTOP | BS_DEFPUSHBUTTON, kWidth - kMargin - kButtonWidth,
           kMargin * 2 + kListHeight, kButtonWidth, kButtonHeight, IDCANCEL);
    t.Words({0xFFFF, 0x0080});  // a button
    t.Text(Widen(table.closeCaption));
    t.Words({0});
    return t;
}

void FillList(HWND list, const platform::Table& table) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    for (size_t c = 0; c < table.columns.size(); ++c) {
        std::wstring heading = Widen(table.columns[c]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.pszText = heading.data();
        column.iSubItem = static_cast<int>(c);
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (size_t r = 0; r < table.rows.size(); ++r) {
        for (size_t c = 0; c < table.rows[r].size() && c < table.columns.size(); ++c) {
            std::wstring text = Widen(table.rows[r][c]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = static_cast<int>(c);
            item.pszText = text.data();
            SendMessageW(list, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
    for (size_t c = 0; c < table.columns.size(); ++c) {
        ListView_SetColumnWidth(list, static_cast<int>(c), LVSCW_AUTOSIZE_USEHEADER);
    }
    // A screen reader starts on the first row, and the arrows go on from there.
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

INT_PTR CALLBACK TableProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing thrown may leave a dialog procedure: a table that could not be filled shows
    // what it has.
    try {
        if (message == WM_INITDIALOG) {
            HWND list = GetDlgItem(dialog, kTableListId);
            FillList(list, *reinterpret_cast<const platform::Table*>(lParam));
            SetFocus(list);
            return FALSE;  // the focus is set
        }
        // Escape and the button give IDCANCEL, Enter the default IDOK: each closes.
        if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
    } catch (...) {
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void ShowTableWindow(HWND owner, const platform::Table& table) {
    // The list's class is registered when a table first shows, not at start-up.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const Template dialog = MakeTemplate(table);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), owner, TableProc,
                            reinterpret_cast<LPARAM>(&table));
}

}  // namespace tzp::ui
