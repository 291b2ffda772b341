#pragma once
// Owners for what the window borrows from GDI, USER and COM: each is given back exactly
// once, when its owner goes, whatever path the code takes.
#include <windows.h>

#include <utility>

#include "platform/win32/handles.h"

namespace tzp::ui {

struct GdiObjectTraits {
    static HGDIOBJ Invalid() { return nullptr; }
    static bool Valid(HGDIOBJ h) { return h != nullptr; }
    static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};

// A font or a brush the window created.
template <typename Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : owner_(handle) {}
    Handle get() const { return static_cast<Handle>(owner_.get()); }

  private:
    platform::UniqueHandle<HGDIOBJ, GdiObjectTraits> owner_;
};
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

struct HookTraits {
    static HHOOK Invalid() { return nullptr; }
    static bool Valid(HHOOK h) { return h != nullptr; }
    static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
using Hook = platform::UniqueHandle<HHOOK, HookTraits>;

struct MenuTraits {
    static HMENU Invalid() { return nullptr; }
    static bool Valid(HMENU h) { return h != nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
using Menu = platform::UniqueHandle<HMENU, MenuTraits>;

// An object selected into a device context, the previous one selected back at the end.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// WM_PAINT's device context, from BeginPaint to EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~PaintScope() { EndPaint(hwnd_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The screen's device context, for reading its properties.
class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC dc() const { return dc_; }

  private:
    HDC dc_;
};

// One reference to a COM object.
template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void** out() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    void reset() {
        if (object_ != nullptr) {
            std::exchange(object_, nullptr)->Release();
        }
    }

  private:
    T* object_ = nullptr;
};

}  // namespace tzp::ui
