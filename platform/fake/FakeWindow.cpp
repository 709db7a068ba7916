#include "platform/fake/FakeWindow.h"

#include "platform/fake/FakePlatform.h"

namespace platform::fake {
namespace {

// The fake's frame around a form's client area.
constexpr int kFrame = 3;
constexpr int kCaption = 19;

class RecordingCanvas final : public Canvas {
public:
    std::vector<std::string> texts;
    void FillRect(const Rect&, Color) override {}
    void DrawString(Point, const Rect&, const std::string& text, const FontSpec&, Color) override {
        texts.push_back(text);
    }
};

}  // namespace

FakeWindow::FakeWindow(FakePlatform& platform, Handle handle, const WindowSpec& made, WindowSink& sink)
    : spec(made), platform_(platform), handle_(handle), sink_(sink) {
    bounds = made.bounds;
    visible = made.visible;
    text = made.caption;
    font = made.font;
    if (made.kind == WindowKind::Form) {
        Point at = made.defaultPosition ? platform.defaultPosition : Point{made.bounds.left, made.bounds.top};
        if (made.clientSize.width || made.clientSize.height) {
            clientSize = made.clientSize;
            bounds = {at.x, at.y, at.x + clientSize.width + 2 * kFrame,
                      at.y + clientSize.height + kFrame + kCaption + kFrame};
        } else {  // the outer size stands
            bounds = {at.x, at.y, at.x + made.bounds.Width(), at.y + made.bounds.Height()};
            clientSize = {bounds.Width() - 2 * kFrame, bounds.Height() - kCaption - 2 * kFrame};
        }
    } else {
        clientSize = {bounds.Width(), bounds.Height()};
    }
    if (visible) ++showCount;
}

FakeWindow::~FakeWindow() {
    if (platform_.activeWindow == handle_) platform_.activeWindow = 0;
    platform_.windows_.erase(handle_);
}

std::vector<std::string> FakeWindow::PaintTexts() {
    RecordingCanvas canvas;
    sink_.WindowPaint(canvas);
    return canvas.texts;
}

void FakeComboBox::SetItemIndex(int index) {
    itemIndex = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
    SetEditText(itemIndex >= 0 ? items[itemIndex] : std::string());
    selStart = 0;
    selLength = static_cast<int>(editText.size());
}

void FakeWindow::SetBounds(const Rect& r) {
    bounds = r;
    if (spec.kind == WindowKind::Form)
        clientSize = {r.Width() - 2 * kFrame, r.Height() - kCaption - 2 * kFrame};
    else
        clientSize = {r.Width(), r.Height()};
}

void FakeWindow::SetVisible(bool v) {
    bool shown = v && !visible;
    visible = v;
    if (v) ++showCount;
    if (spec.kind != WindowKind::Form) return;
    if (shown) platform_.Activate(handle_);
    else if (!v && platform_.activeWindow == handle_) platform_.activeWindow = 0;
}

Point FakeWindow::ClientOrigin() const {
    if (spec.kind == WindowKind::Form) return {bounds.left + kFrame, bounds.top + kFrame + kCaption};
    if (spec.kind == WindowKind::Child && spec.parent) {
        if (FakeWindow* parent = platform_.Window(spec.parent)) {
            Point origin = parent->ClientToScreen({0, 0});
            return {origin.x + bounds.left, origin.y + bounds.top};
        }
    }
    return {bounds.left, bounds.top};
}

Point FakeWindow::ScreenToClient(Point p) const {
    Point origin = ClientOrigin();
    return {p.x - origin.x, p.y - origin.y};
}

Point FakeWindow::ClientToScreen(Point p) const {
    Point origin = ClientOrigin();
    return {p.x + origin.x, p.y + origin.y};
}

long FakeWindow::GetLong(int index) const {
    auto it = longs.find(index);
    return it == longs.end() ? 0 : it->second;
}

}  // namespace platform::fake
