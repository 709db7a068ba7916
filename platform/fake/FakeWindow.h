#pragma once
// A fake native window: it keeps what the framework told it, for a test to
// inspect, and hands messages to its sink.

#include "platform/NativeWindow.h"

#include <map>
#include <string>

namespace platform::fake {

class FakePlatform;

class FakeWindow final : public NativeWindow {
public:
    FakeWindow(FakePlatform& platform, Handle handle, const WindowSpec& spec, WindowSink& sink);
    ~FakeWindow() override;

    // --- Inspected by a test ---
    WindowSpec spec;  // as made
    Rect bounds;
    Size clientSize;
    bool visible = false;
    std::string text;
    FontSpec font;
    bool captured = false;
    bool focused = false;
    int showCount = 0;  // times it was made visible or brought to the front
    std::map<int, long> longs;
    std::vector<Rect> invalidated;

    WindowSink& Sink() { return sink_; }
    // Paints the window now and returns the texts drawn, in order.
    std::vector<std::string> PaintTexts();

    Handle GetHandle() const override { return handle_; }
    void SetBounds(const Rect& r) override;
    Rect GetBounds() const override { return bounds; }
    Size ClientSize() const override { return clientSize; }
    void SetVisible(bool v) override;
    void SetText(const std::string& t) override { text = t; }
    void SetFont(const FontSpec& f) override { font = f; }
    void Invalidate(const Rect& area) override { invalidated.push_back(area); }
    Point ScreenToClient(Point p) const override;
    Point ClientToScreen(Point p) const override;
    void SetCapture(bool capture) override { captured = capture; }
    void SetFocus() override { focused = true; }
    long GetLong(int index) const override;
    void SetLong(int index, long value) override { longs[index] = value; }

private:
    // The client area's top-left on the screen.
    Point ClientOrigin() const;

    FakePlatform& platform_;
    Handle handle_;
    WindowSink& sink_;
};

}  // namespace platform::fake
