// The registry of 32-bit dialog template values: only values that cannot be template numbers are
// taken, and each record is forgotten once.
#include <qxnls01_registry.h>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using dsuptest::w;

class DialogTemplateRegistry : public dsuptest::PlatformTest {
 protected:
  // Any non-null instance: records are kept per instance, whether or not it has templates.
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(&instanceTag);
  static inline int instanceTag = 0;
};

TEST_F(DialogTemplateRegistry, TakesOnlyValuesAboveTheTemplateNumbers) {
  EXPECT_FALSE(NlsRegisterDialogTemplate(instance, 0xFFFF, w(u"METHOD")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(NlsRegisterDialogTemplate(nullptr, 0x10000, w(u"METHOD")));
  EXPECT_FALSE(NlsRegisterDialogTemplate(instance, 0x10000, nullptr));
  EXPECT_FALSE(NlsUnregisterDialogTemplate(instance, 0xFFFF));
}

TEST_F(DialogTemplateRegistry, RecordsAreReplacedAndForgottenOnce) {
  ASSERT_TRUE(NlsRegisterDialogTemplate(instance, 0x12345678, w(u"METHOD")));
  ASSERT_TRUE(NlsRegisterDialogTemplate(instance, 0x12345678, MAKEINTRESOURCEW(301)));
  EXPECT_FALSE(NlsUnregisterDialogTemplate(reinterpret_cast<HINSTANCE>(&instance), 0x12345678))
      << "another instance has no record of the value";
  EXPECT_TRUE(NlsUnregisterDialogTemplate(instance, 0x12345678));
  EXPECT_FALSE(NlsUnregisterDialogTemplate(instance, 0x12345678));
}

}  // namespace
