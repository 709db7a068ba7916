#pragma once
// What the two-list dialog tests share: an application, a dialog it owns,
// the fake's dialog played by a script, and short ways to fill and read lists.

#include "framework/Application.h"
#include "framework/DualListDialog.h"
#include "framework/Strings.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace duallist_test {

using platform::DualListCommand;
using platform::DualListController;
using platform::ListSide;
using Items = std::vector<std::string>;

inline void Fill(TStrings& list, const Items& items) {
    list.Clear();
    for (const auto& item : items) list.Add(item);
}

class DualListDialogTest : public testing::Test {
protected:
    // The user's part in the next dialogs; the result is whether OK closed it.
    void Play(std::function<bool(DualListController&)> script) { fake.dualListScript = std::move(script); }
    void Fill1(const Items& items) { Fill(dialog->List1(), items); }
    void Fill2(const Items& items) { Fill(dialog->List2(), items); }
    Items List1() const { return dialog->List1().ToVector(); }
    Items List2() const { return dialog->List2().ToVector(); }

    platform::fake::FakePlatform& fake = platform::fake::Fake();
    TApplication app;
    TDualListDialog* dialog = TComponent::Create<TDualListDialog>(&app);
};

}  // namespace duallist_test
