#include "components/TrayIcon/SingleClick.h"

#include "platform/Platform.h"

namespace {

// Past the interval, so that a second press just inside it has arrived.
constexpr unsigned kMarginMs = 50;

}  // namespace

void TSingleClick::Execute() {
    auto& os = platform::Current();
    os.Sleep(os.DoubleClickTime() + kMarginMs);  // read anew: the user may change it
}
