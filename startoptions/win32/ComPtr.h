#pragma once

#include <utility>

// Owns one reference to a COM interface and releases it exactly once.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For the creating call's out parameter; releases what was held before.
    void** OutVoid() {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }

    void Reset() {
        if (p_ != nullptr) {
            std::exchange(p_, nullptr)->Release();
        }
    }

private:
    T* p_ = nullptr;
};
