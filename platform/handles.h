// Owners that release kernel handles, registry keys, libraries and COM interfaces on every path.
#pragma once

#include <windows.h>

#include <utility>

// Closes a kernel handle; INVALID_HANDLE_VALUE and NULL both mean "nothing held".
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes the handle now; false when CloseHandle fails.
    bool Close() {
        bool closed = !IsValid() || CloseHandle(handle_) != FALSE;
        handle_ = nullptr;
        return closed;
    }
    void Reset() { Close(); }

private:
    HANDLE handle_;
};

// Closes a FindFirstFile search handle.
class ScopedFindHandle {
public:
    explicit ScopedFindHandle(HANDLE handle) : handle_(handle) {}
    ~ScopedFindHandle() {
        if (IsValid()) FindClose(handle_);
    }
    ScopedFindHandle(const ScopedFindHandle&) = delete;
    ScopedFindHandle& operator=(const ScopedFindHandle&) = delete;
    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Releases a COM interface pointer.
template <typename T>
class ScopedComPtr {
public:
    ScopedComPtr() = default;
    ~ScopedComPtr() {
        if (pointer_) pointer_->Release();
    }
    ScopedComPtr(const ScopedComPtr&) = delete;
    ScopedComPtr& operator=(const ScopedComPtr&) = delete;

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    void** Receive() { return reinterpret_cast<void**>(&pointer_); }

private:
    T* pointer_ = nullptr;
};
