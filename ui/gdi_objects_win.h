#pragma once

#include <windows.h>

#include <utility>

// A pen, font, brush or bitmap this code created: deleted when its owner goes. Stock objects
// never go in. It can be handed on (moved), never copied.
template <typename Handle = HGDIOBJ> class ScopedGdiObject {
  public:
    ScopedGdiObject() = default;
    explicit ScopedGdiObject(Handle object) : object_(object) {}
    ~ScopedGdiObject() { reset(); }
    ScopedGdiObject(ScopedGdiObject&& other) noexcept
        : object_(std::exchange(other.object_, nullptr)) {}
    ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    Handle get() const { return object_; }

    // Deletes the object held and holds this one instead.
    void reset(Handle object = nullptr) {
        if (object_ != nullptr && object_ != object)
            DeleteObject(object_);
        object_ = object;
    }

  private:
    Handle object_ = nullptr;
};

using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;

// Selects an object into a device context and puts the previous one back when the scope ends,
// so an object is never deleted while still selected.
class ScopedSelect {
  public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelect() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A device context in memory like dc, deleted when the scope ends (after the objects selected
// into it are put back, so declare it first).
class ScopedMemoryDc {
  public:
    explicit ScopedMemoryDc(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
    ~ScopedMemoryDc() {
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    ScopedMemoryDc(const ScopedMemoryDc&) = delete;
    ScopedMemoryDc& operator=(const ScopedMemoryDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HDC dc_;
};
