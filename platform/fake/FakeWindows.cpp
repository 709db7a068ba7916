// The fake's windows, message queue and input.
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"


namespace platform::fake {
namespace {

constexpr std::uint32_t kMouseMove = 0x200;
constexpr std::uint32_t kMouseLeave = 0x2A3;
constexpr std::uint32_t kQuit = 0x12;
constexpr std::uint32_t kActivate = 0x06;

}  // namespace

std::unique_ptr<NativeWindow> FakePlatform::CreateNativeWindow(const WindowSpec& spec, WindowSink& sink) {
    Handle handle = nextHandle_;
    nextHandle_ += 4;
    auto window = std::make_unique<FakeNative<NativeWindow>>(*this, handle, spec, sink);
    windows_[handle] = window.get();
    // Made visible, a form is activated before its maker has it in hand.
    if (spec.kind == WindowKind::Form && spec.visible) Activate(handle);
    return window;
}

std::unique_ptr<NativeComboBox> FakePlatform::CreateComboBox(const WindowSpec& spec, WindowSink& sink) {
    Handle handle = nextHandle_;
    nextHandle_ += 4;
    auto combo = std::make_unique<FakeComboBox>(*this, handle, spec, sink);
    windows_[handle] = combo.get();
    return combo;
}

FakeComboBox* FakePlatform::ComboBox(Handle handle) const { return dynamic_cast<FakeComboBox*>(Window(handle)); }

FakeWindow* FakePlatform::Window(Handle handle) const {
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : it->second;
}

std::vector<FakeWindow*> FakePlatform::Windows() const {
    std::vector<FakeWindow*> all;
    for (auto& [handle, window] : windows_) all.push_back(window);
    return all;
}

std::intptr_t FakePlatform::Deliver(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                    std::intptr_t lParam) {
    Message m{msg, wParam, lParam};
    Dispatch(window, m);
    return m.result;
}

bool FakePlatform::Dispatch(Handle window, Message& m) {
    FakeWindow* target = Window(window);
    if (!target) return false;
    return target->Sink().WindowMessage(m);
}

bool FakePlatform::Post(Handle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (!Window(window)) return false;
    posted_.push_back({window, Message{msg, wParam, lParam}});
    return true;
}

std::intptr_t FakePlatform::Send(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                 std::intptr_t lParam) {
    return Deliver(window, msg, wParam, lParam);
}

bool FakePlatform::SetForegroundWindow(Handle window) {
    foregroundCalls.push_back(window);
    if (!foregroundAnswer) return false;
    Activate(window);
    return true;
}

void FakePlatform::Activate(Handle window) {
    if (activeWindow == window) return;
    activeWindow = window;
    Deliver(window, kActivate, 1, 0);
}

Size FakePlatform::MeasureText(const FontSpec& font, const std::string& text) {
    // A fixed-pitch stand-in: half the character height per byte.
    int height = font.height < 0 ? -font.height : font.height;
    return {static_cast<int>(text.size()) * height / 2, height};
}

void FakePlatform::MovePointer(Handle window, Point client) {
    FakeWindow* target = Window(window);
    if (!target) return;
    cursorPos = target->ClientToScreen(client);
    Deliver(window, kMouseMove, 0, PackPoint(client.x, client.y));
}

void FakePlatform::PressButton(Handle window, std::uint32_t downMessage, std::uintptr_t keys) {
    FakeWindow* target = Window(window);
    if (!target) return;
    Point at = target->ScreenToClient(cursorPos);
    Deliver(window, downMessage, keys, PackPoint(at.x, at.y));
}

void FakePlatform::ReleaseButton(Handle window, std::uint32_t upMessage, std::uintptr_t keys) {
    PressButton(window, upMessage, keys);
}

void FakePlatform::LeaveWindow(Handle window) { Deliver(window, kMouseLeave); }

bool FakePlatform::DispatchOne() {
    if (RunWake()) return true;
    if (posted_.empty()) return false;
    Posted next = posted_.front();
    posted_.pop_front();
    if (next.message.msg == kQuit) return true;
    Deliver(next.window, next.message.msg, next.message.wParam, next.message.lParam);
    return true;
}

bool FakePlatform::RunWake() {
    {
        std::lock_guard lock(mutex_);
        if (!wakePending_) return false;
        wakePending_ = false;
    }
    if (wakeHandler_) wakeHandler_();
    return true;
}

bool FakePlatform::WaitAndDispatch() {
    // With no more input the test has nothing left to play: the loop ends.
    if (quitPosted) return false;
    if (!DispatchOne()) {
        if (!onIdle) return false;
        onIdle();
        if (!DispatchOne()) return false;
    }
    return !quitPosted;
}

bool FakePlatform::DispatchPending() {
    while (!quitPosted && DispatchOne()) {
    }
    return !quitPosted;
}

void FakePlatform::PostQuit(int code) {
    quitPosted = true;
    exitCode = code;
}

void FakePlatform::SetWakeHandler(std::function<void()> handler) { wakeHandler_ = std::move(handler); }

void FakePlatform::WakeGuiThread() {
    std::lock_guard lock(mutex_);
    wakePending_ = true;
    ++wakes_;
    signal_.notify_all();
}

bool FakePlatform::WaitForWake(unsigned timeoutMs) {
    std::unique_lock lock(mutex_);
    return signal_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return wakePending_; });
}

bool FakePlatform::WaitForWakes(unsigned count, unsigned timeoutMs) {
    std::unique_lock lock(mutex_);
    return signal_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return wakes_ >= count; });
}

void FakePlatform::Sleep(unsigned milliseconds) {
    std::unique_lock lock(mutex_);
    sleeps_.push_back(milliseconds);
    signal_.notify_all();
    signal_.wait(lock, [&] { return !holdSleeps_; });
}

std::vector<unsigned> FakePlatform::Sleeps() const {
    std::lock_guard lock(mutex_);
    return sleeps_;
}

void FakePlatform::HoldSleeps() {
    std::lock_guard lock(mutex_);
    holdSleeps_ = true;
}

void FakePlatform::ReleaseSleeps() {
    std::lock_guard lock(mutex_);
    holdSleeps_ = false;
    signal_.notify_all();
}

}  // namespace platform::fake
