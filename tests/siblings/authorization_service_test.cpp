// The authorization service over its registry: answers for the user who was current when the
// handle was obtained, permissions that change under a live handle, and handles released once
// each, with a second release or an unknown handle refused and counted.
#include <authorization_registry.h>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using dsuptest::w;

class AuthorizationService : public dsuptest::PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    liveAtStart = AuthorizationLiveHandles();
  }
  UINT liveAtStart = 0;
};

// The library's read-only test: obtain, ask once, destroy.
BOOL askOnce(LONG permission) {
  HAUTHORIZATIONSERVICE service = cIAuthorizationServiceGetInstance();
  const BOOL permitted = cIAuthorizationServiceIsPermittedEnum(service, permission);
  cIAuthorizationServiceDestroyWrapper(service);
  return permitted;
}

TEST_F(AuthorizationService, CurrentUserHoldsOnlyTheirPermissions) {
  EXPECT_FALSE(askOnce(7)) << "the default user holds no permission";
  ASSERT_TRUE(AuthorizationSetPermission(w(u"analyst"), 7, TRUE));
  ASSERT_TRUE(AuthorizationSetPermission(w(u"admin"), 9, TRUE));
  ASSERT_TRUE(AuthorizationSetCurrentUser(w(u"analyst")));
  EXPECT_TRUE(askOnce(7));
  EXPECT_FALSE(askOnce(9));
  EXPECT_FALSE(askOnce(0)) << "permission numbers start at 1";
  ASSERT_TRUE(AuthorizationSetPermission(w(u"analyst"), 7, FALSE));
  EXPECT_FALSE(askOnce(7));
}

TEST_F(AuthorizationService, HandleAnswersForItsOwnUser) {
  AuthorizationSetPermission(w(u"admin"), 3, TRUE);
  AuthorizationSetCurrentUser(w(u"admin"));
  HAUTHORIZATIONSERVICE adminService = cIAuthorizationServiceGetInstance();
  AuthorizationSetCurrentUser(w(u"guest"));
  EXPECT_TRUE(cIAuthorizationServiceIsPermittedEnum(adminService, 3));
  EXPECT_FALSE(askOnce(3));
  AuthorizationSetPermission(w(u"admin"), 3, FALSE);
  EXPECT_FALSE(cIAuthorizationServiceIsPermittedEnum(adminService, 3)) << "a withdrawal applies at once";
  cIAuthorizationServiceDestroyWrapper(adminService);
}

TEST_F(AuthorizationService, HandlesAreCountedAndReleasedOnceEach) {
  HAUTHORIZATIONSERVICE first = cIAuthorizationServiceGetInstance();
  HAUTHORIZATIONSERVICE second = cIAuthorizationServiceGetInstance();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_EQ(AuthorizationLiveHandles(), liveAtStart + 2);
  cIAuthorizationServiceDestroyWrapper(first);
  EXPECT_EQ(AuthorizationLiveHandles(), liveAtStart + 1);
  EXPECT_EQ(AuthorizationRejectedHandles(), 0u);

  HAUTHORIZATIONSERVICE third = cIAuthorizationServiceGetInstance();
  EXPECT_NE(third, first) << "a released handle's value is not given out again";
  cIAuthorizationServiceDestroyWrapper(second);
  cIAuthorizationServiceDestroyWrapper(third);
  EXPECT_EQ(AuthorizationLiveHandles(), liveAtStart);
}

TEST_F(AuthorizationService, SecondReleaseAndUnknownHandlesAreRefusedAndCounted) {
  AuthorizationSetPermission(w(u"user"), 5, TRUE);
  HAUTHORIZATIONSERVICE service = cIAuthorizationServiceGetInstance();
  HAUTHORIZATIONSERVICE other = cIAuthorizationServiceGetInstance();
  cIAuthorizationServiceDestroyWrapper(service);
  cIAuthorizationServiceDestroyWrapper(service);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(cIAuthorizationServiceIsPermittedEnum(service, 5)) << "a released handle permits nothing";
  cIAuthorizationServiceDestroyWrapper(nullptr);
  EXPECT_EQ(AuthorizationRejectedHandles(), 3u);
  EXPECT_EQ(AuthorizationLiveHandles(), liveAtStart + 1) << "the other handle is still live";
  EXPECT_TRUE(cIAuthorizationServiceIsPermittedEnum(other, 5));
  cIAuthorizationServiceDestroyWrapper(other);
  AuthorizationReset();  // the refusals were this test's own
}

TEST_F(AuthorizationService, RegistryRefusesUnusableInput) {
  EXPECT_FALSE(AuthorizationSetCurrentUser(nullptr));
  EXPECT_FALSE(AuthorizationSetCurrentUser(w(u"")));
  EXPECT_FALSE(AuthorizationSetPermission(w(u"user"), 0, TRUE));
  EXPECT_FALSE(AuthorizationSetPermission(nullptr, 1, TRUE));
  EXPECT_FALSE(askOnce(1));
}

}  // namespace
