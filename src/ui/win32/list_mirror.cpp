#include "ui/win32/list_mirror.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/wide.h"

namespace tzp::ui {

using platform::Widen;

namespace {

LPARAM TextParam(const std::wstring& text) {
    return reinterpret_cast<LPARAM>(text.c_str());
}

// Lists grow one entry at a time while they are built; appending keeps that linear
// instead of rebuilding the whole list for every entry.
bool Appends(const std::vector<ListEntry>& entries, const std::vector<ListEntry>& shown) {
    return entries.size() > shown.size() &&
           std::equal(shown.begin(), shown.end(), entries.begin(),
                      [](const ListEntry& a, const ListEntry& b) { return a.text == b.text; });
}

// A list built in one go is drawn once, when it is whole, into storage reserved for all
// of it. True when drawing was stopped for it.
bool PrepareBulkAdd(HWND list, const std::vector<ListEntry>& entries, size_t from) {
    const size_t adding = entries.size() - std::min(from, entries.size());
    if (adding <= 1) {
        return false;
    }
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    size_t chars = 0;
    for (size_t i = from; i < entries.size(); ++i) {
        chars += entries[i].text.size() + 1;
    }
    SendMessageW(list, LB_INITSTORAGE, adding, chars * sizeof(wchar_t));
    return true;
}

}  // namespace

void MirrorTabs(HWND strip, const std::vector<ListEntry>& entries, std::vector<ListEntry>& shown) {
    for (size_t i = 0; i < entries.size(); ++i) {
        std::wstring text = Widen(entries[i].text);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        if (i < shown.size()) {
            TabCtrl_SetItem(strip, static_cast<int>(i), &item);
        } else {
            TabCtrl_InsertItem(strip, static_cast<int>(i), &item);
        }
    }
    shown = entries;
}

void MirrorComboList(HWND combo, const std::vector<ListEntry>& entries,
                     std::vector<ListEntry>& shown) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& entry : entries) {
        SendMessageW(combo, CB_ADDSTRING, 0, TextParam(Widen(entry.text)));
    }
    shown = entries;
}

void MirrorList(HWND list, const std::vector<ListEntry>& entries, std::vector<ListEntry>& shown,
                bool ticks) {
    if (!Appends(entries, shown) && entries.size() != shown.size()) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        shown.clear();
    }
    const bool bulk = PrepareBulkAdd(list, entries, shown.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        const bool added = i >= shown.size();
        if (added) {
            SendMessageW(list, LB_ADDSTRING, 0, TextParam(Widen(entry.text)));
        } else if (shown[i].text != entry.text) {
            SendMessageW(list, LB_DELETESTRING, i, 0);
            SendMessageW(list, LB_INSERTSTRING, i, TextParam(Widen(entry.text)));
        }
        // An added entry comes unticked; only a tick needs telling.
        const bool tickChanged =
            added ? entry.ticked : shown[i].ticked != entry.ticked || shown[i].text != entry.text;
        if (ticks && tickChanged) {
            SendMessageW(list, LB_SETSEL, entry.ticked ? TRUE : FALSE, static_cast<LPARAM>(i));
        }
    }
    if (bulk) {
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    shown = entries;
}

}  // namespace tzp::ui
