// Every native test starts on a fresh fake platform.
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class FreshFake : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { platform::fake::Fake().Reset(); }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshFake);  // gtest owns listeners
    return RUN_ALL_TESTS();
}
