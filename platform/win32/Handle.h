#pragma once
// RAII for kernel handles.

#include <windows.h>

#include <utility>

namespace platform::win32 {

class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    KernelHandle(KernelHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& o) noexcept {
        if (this != &o) {
            Close();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() { Close(); }

    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Close() {
        if (h_) CloseHandle(std::exchange(h_, nullptr));
    }

private:
    HANDLE h_ = nullptr;
};

}  // namespace platform::win32
