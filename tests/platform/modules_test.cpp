// Module instances, their dialog templates, and LoadStringW: the read-only pointer form, and the
// difference between a missing block of texts and a missing text in an existing block.
#include <qxplatform.h>

#include <string>

#include "common/platform_test.h"

namespace {

class Modules : public dsuptest::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    module = PlatformCreateModule();
    ASSERT_NE(module, nullptr);
    ASSERT_TRUE(PlatformAddString(module, 100, u"Value out of range"));
  }
  void TearDown() override {
    EXPECT_TRUE(PlatformDestroyModule(module));
    PlatformTest::TearDown();
  }
  HINSTANCE module = nullptr;
};

// Cutting texts to the buffer is checked through NlsLoadString (tests/siblings).
TEST_F(Modules, CapacityZeroGivesAPointerAndAMissingBlockLeavesTheBuffer) {
  const WCHAR* text = nullptr;
  EXPECT_EQ(LoadStringW(module, 100, reinterpret_cast<LPWSTR>(&text), 0), 18);
  EXPECT_EQ(std::u16string(text, 18), u"Value out of range");
  WCHAR buffer[8] = {u'x', 0};
  EXPECT_EQ(LoadStringW(module, 101, buffer, 8), 0);  // same block of 16 as text 100
  EXPECT_EQ(buffer[0], 0);
  buffer[0] = u'x';
  EXPECT_EQ(LoadStringW(module, 500, buffer, 8), 0);  // no text in that block at all
  EXPECT_EQ(buffer[0], u'x');
}

TEST_F(Modules, DialogTemplatesNeedAModuleANameAndAClassForEachItem) {
  const PlatformDialogItem withoutClass{nullptr, 1, WS_VISIBLE, nullptr, 0, 0, 10, 10};
  const PlatformDialogTemplate empty{WS_POPUP, u"Empty", 0, 0, 10, 10, 0, nullptr};
  const PlatformDialogTemplate broken{WS_POPUP, u"Broken", 0, 0, 10, 10, 1, &withoutClass};
  EXPECT_TRUE(PlatformAddDialogTemplate(module, MAKEINTRESOURCEW(1), &empty));
  EXPECT_FALSE(PlatformAddDialogTemplate(nullptr, MAKEINTRESOURCEW(1), &empty));
  EXPECT_FALSE(PlatformAddDialogTemplate(module, nullptr, &empty));
  EXPECT_FALSE(PlatformAddDialogTemplate(module, MAKEINTRESOURCEW(1), nullptr));
  EXPECT_FALSE(PlatformAddDialogTemplate(module, MAKEINTRESOURCEW(2), &broken));
}

void anchorInThisImage() {}

TEST_F(Modules, EveryAddressOfAnImageGivesTheSameInstance) {
  static const int marker = 0;
  HINSTANCE self = PlatformModuleOfAddress(&marker);
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(PlatformModuleOfAddress(reinterpret_cast<const void*>(&anchorInThisImage)), self);
  EXPECT_NE(PlatformModuleOfAddress(reinterpret_cast<const void*>(&GetTickCount)), self)
      << "the platform library is an image of its own";
  EXPECT_FALSE(PlatformDestroyModule(self)) << "only created modules can be destroyed";
}

}  // namespace
