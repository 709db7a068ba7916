#include "platform/win32/Handle.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

namespace platform::win32 {
namespace {

class NamedMutex final : public InstanceName {
public:
    explicit NamedMutex(KernelHandle handle) : handle_(std::move(handle)) {}

private:
    KernelHandle handle_;  // the name is ours while this stays open
};

}  // namespace

std::unique_ptr<InstanceName> Win32Platform::TakeInstanceName(const std::string& name) {
    // Create and look, in one call: open-then-create would let two programs
    // started at the same moment both run.
    KernelHandle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
    if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return nullptr;
    return std::make_unique<NamedMutex>(std::move(mutex));
}

}  // namespace platform::win32

namespace platform {

// Never destroyed: a worker that ends its wait while the process exits
// still hands its end over through it, after static destruction has begun.
Platform& Current() {
    static auto* real = new win32::Win32Platform;  // deliberately leaked, see above
    return *real;
}

}  // namespace platform
