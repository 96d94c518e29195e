#pragma once

#include <windows.h>

// Owns one GDI or USER handle and releases it with Free when the holder goes. Not copyable;
// moving hands the handle over.
template <typename Handle, BOOL(WINAPI* Free)(Handle)>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~OwnedHandle() { Reset(); }

    // Frees the handle held and takes handle (null: holds nothing).
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr && handle_ != handle) {
            Free(handle_);
        }
        handle_ = handle;
    }
    // Gives up ownership without freeing.
    Handle Release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

namespace gdi_detail {
inline BOOL WINAPI DeleteBrush(HBRUSH brush) {
    return DeleteObject(brush);
}
inline BOOL WINAPI DeleteBitmap(HBITMAP bitmap) {
    return DeleteObject(bitmap);
}
}  // namespace gdi_detail

using Brush = OwnedHandle<HBRUSH, gdi_detail::DeleteBrush>;
using Bitmap = OwnedHandle<HBITMAP, gdi_detail::DeleteBitmap>;
// For icons from LoadImage without LR_SHARED or CreateIcon; shared icons (LoadIcon) are never
// destroyed and need no holder.
using Icon = OwnedHandle<HICON, DestroyIcon>;
