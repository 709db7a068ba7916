#pragma once
// Fake native windows: each keeps what the framework told it, for a test to
// inspect, and hands messages to its sink. FakeWindow is that state;
// FakeNative<Interface> makes it a window of the interface's kind.

#include "platform/NativeWindow.h"

#include <map>
#include <string>
#include <vector>

namespace platform::fake {

class FakePlatform;

class FakeWindow {
public:
    FakeWindow(FakePlatform& platform, Handle handle, const WindowSpec& spec, WindowSink& sink);
    virtual ~FakeWindow();
    FakeWindow(const FakeWindow&) = delete;
    FakeWindow& operator=(const FakeWindow&) = delete;

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

    Handle handle() const { return handle_; }
    WindowSink& Sink() { return sink_; }
    // Paints the window now and returns the texts drawn, in order.
    std::vector<std::string> PaintTexts();

    // What the native interfaces do, shared by every kind.
    void SetBounds(const Rect& r);
    void SetVisible(bool v);
    Point ScreenToClient(Point p) const;
    Point ClientToScreen(Point p) const;
    long GetLong(int index) const;

private:
    // The client area's top-left on the screen.
    Point ClientOrigin() const;

    FakePlatform& platform_;
    Handle handle_;
    WindowSink& sink_;
};

template <class Interface>
class FakeNative : public Interface, public FakeWindow {
public:
    using FakeWindow::FakeWindow;
    Handle GetHandle() const override { return handle(); }
    void SetBounds(const Rect& r) override { FakeWindow::SetBounds(r); }
    Rect GetBounds() const override { return bounds; }
    Size ClientSize() const override { return clientSize; }
    void SetVisible(bool v) override { FakeWindow::SetVisible(v); }
    void SetText(const std::string& t) override { text = t; }
    void SetFont(const FontSpec& f) override { font = f; }
    void Invalidate(const Rect& area) override { invalidated.push_back(area); }
    Point ScreenToClient(Point p) const override { return FakeWindow::ScreenToClient(p); }
    Point ClientToScreen(Point p) const override { return FakeWindow::ClientToScreen(p); }
    void SetCapture(bool capture) override { captured = capture; }
    void SetFocus() override { focused = true; }
    long GetLong(int index) const override { return FakeWindow::GetLong(index); }
    void SetLong(int index, long value) override { longs[index] = value; }
};

// The combo box as the framework last set it; a test types into it with
// the fake's TypeInto and picks items with PickItem.
class FakeComboBox final : public FakeNative<NativeComboBox> {
public:
    using FakeNative::FakeNative;

    std::vector<std::string> items;
    int itemIndex = -1;
    std::string editText;
    int selStart = 0;
    int selLength = 0;
    bool composing = false;
    int itemHeight = 0;
    int fills = 0;  // whole-list replacements

    void SetItems(const std::vector<std::string>& all) override {
        items = all;
        ++fills;
    }
    void InsertItem(int index, const std::string& item) override { items.insert(items.begin() + index, item); }
    void DeleteItem(int index) override { items.erase(items.begin() + index); }
    void SetItemIndex(int index) override;
    int ItemIndex() const override { return itemIndex; }
    void SetEditText(const std::string& t) override {
        editText = t;
        selStart = static_cast<int>(t.size());
        selLength = 0;
    }
    std::string EditText() const override { return editText; }
    void SetEditSelection(int start, int length) override {
        selStart = start;
        selLength = length;
    }
    bool Composing() const override { return composing; }
    void SetItemHeight(int height) override { itemHeight = height; }
};

}  // namespace platform::fake
