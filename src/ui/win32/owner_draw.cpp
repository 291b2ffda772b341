#include "ui/win32/owner_draw.h"

#include <algorithm>
#include <string>

#include "platform/win32/wide.h"
#include "ui/win32/gdi.h"

namespace tzp::ui {

namespace {

void DrawCog(HDC dc, int x, int y, int size, HBRUSH face) {
    const int cx = x + size / 2;
    const int cy = y + size / 2;
    const int tooth = std::max(2, size / 6);
    // Four teeth across and four on the diagonals, then the wheel and its hole.
    Rectangle(dc, cx - tooth / 2, y - 1, cx + tooth / 2 + 1, y + size + 1);
    Rectangle(dc, x - 1, cy - tooth / 2, x + size + 1, cy + tooth / 2 + 1);
    const int d = size * 3 / 10;
    for (const POINT at : {POINT{cx - d, cy - d}, POINT{cx + d, cy - d}, POINT{cx - d, cy + d},
                           POINT{cx + d, cy + d}}) {
        Ellipse(dc, at.x - tooth / 2 - 1, at.y - tooth / 2 - 1, at.x + tooth / 2 + 2,
                at.y + tooth / 2 + 2);
    }
    const int ring = size / 8;
    Ellipse(dc, x + ring, y + ring, x + size - ring, y + size - ring);
    const Selection hole(dc, face);
    const int inner = size * 3 / 8;
    Ellipse(dc, x + inner, y + inner, x + size - inner + 1, y + size - inner + 1);
}

// A small drawn icon: a cog for configuration, a play sign for the player.
void DrawIconGlyph(HDC dc, const RECT& box, Look look, HBRUSH face) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int size = std::min(width, height) * 3 / 5;
    const int x = box.left + (width - size) / 2;
    const int y = box.top + (height - size) / 2;
    const Brush fill(CreateSolidBrush(look == Look::Icon ? RGB(90, 100, 120) : RGB(40, 140, 60)));
    const Selection brush(dc, fill.get());
    const Selection pen(dc, GetStockObject(NULL_PEN));
    if (look == Look::Icon) {
        DrawCog(dc, x, y, size, face);
    } else {
        const POINT play[3] = {
            {x + size / 5, y}, {x + size, y + size / 2}, {x + size / 5, y + size}};
        Polygon(dc, play, 3);
    }
}

// The link's text, and the rectangle its focus frame goes round.
RECT DrawLinkText(HDC dc, RECT box, const Control& control, bool disabled, HFONT linkFont) {
    const std::wstring text = platform::Widen(control.caption);
    const Selection font(dc, linkFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 238));
    constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    RECT focus = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, kFormat);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &focus, kFormat | DT_CALCRECT);
    focus.right = std::min(focus.right + 1, box.right);
    focus.bottom = std::min(focus.bottom, box.bottom);
    return focus;
}

std::wstring ListItemText(HWND list, UINT index) {
    const LRESULT length = std::max<LRESULT>(SendMessageW(list, LB_GETTEXTLEN, index, 0), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

void DrawButtonItem(const DRAWITEMSTRUCT& item, const Control& control, HBRUSH face,
                    HFONT linkFont) {
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, face);
    RECT focus = box;
    if (control.look == Look::Link) {
        focus = DrawLinkText(dc, box, control, (item.itemState & ODS_DISABLED) != 0, linkFont);
    } else {
        if ((item.itemState & ODS_SELECTED) != 0) {
            OffsetRect(&box, 1, 1);  // pressed
        }
        DrawIconGlyph(dc, box, control.look, face);
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(dc, &focus);
    }
}

bool DrawListItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_LISTBOX || item.itemID == static_cast<UINT>(-1)) {
        return false;
    }
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    const int size = box.bottom - box.top - 2;
    RECT tick{box.left + 1, box.top + 1, box.left + 1 + size, box.top + 1 + size};
    const bool ticked = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &tick, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (ticked ? DFCS_CHECKED : 0));
    const std::wstring text = ListItemText(item.hwndItem, item.itemID);
    RECT textBox = box;
    textBox.left = tick.right + 4;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textBox,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(dc, &box);
    }
    return true;
}

}  // namespace tzp::ui
