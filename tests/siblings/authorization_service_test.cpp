// The authorization service over its registry: answers for the user who was current when the
// handle was obtained, permissions that change under a live handle, and handles released once
// each, with a second release or an unknown handle refused and counted.
#include <authorization_registry.h>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace {

using dsuptest::w;

using AuthorizationService = dsuptest::PlatformTest;

// The library's read-only test: obtain, ask once, destroy.
BOOL askOnce(LONG permission) {
  HAUTHORIZATIONSERVICE service = cIAuthorizationServiceGetInstance();
  const BOOL permitted = cIAuthorizationServiceIsPermittedEnum(service, permission);
  cIAuthorizationServiceDestroyWrapper(service);
  return permitted;
}

TEST_F(AuthorizationService, HandleAnswersForItsOwnUserWithThePermissionsAsTheyAreNow) {
  EXPECT_FALSE(askOnce(7)) << "the default user holds no permission";
  ASSERT_TRUE(AuthorizationSetPermission(w(u"analyst"), 7, TRUE));
  ASSERT_TRUE(AuthorizationSetPermission(w(u"admin"), 9, TRUE));
  ASSERT_TRUE(AuthorizationSetCurrentUser(w(u"analyst")));
  HAUTHORIZATIONSERVICE analyst = cIAuthorizationServiceGetInstance();
  ASSERT_TRUE(AuthorizationSetCurrentUser(w(u"admin")));
  EXPECT_TRUE(cIAuthorizationServiceIsPermittedEnum(analyst, 7)) << "the user current when it was obtained";
  EXPECT_FALSE(cIAuthorizationServiceIsPermittedEnum(analyst, 9));
  EXPECT_FALSE(askOnce(7));
  EXPECT_TRUE(askOnce(9));
  EXPECT_FALSE(askOnce(0)) << "permission numbers start at 1";
  ASSERT_TRUE(AuthorizationSetPermission(w(u"analyst"), 7, FALSE));
  EXPECT_FALSE(cIAuthorizationServiceIsPermittedEnum(analyst, 7)) << "a withdrawal applies at once";
  cIAuthorizationServiceDestroyWrapper(analyst);

  EXPECT_FALSE(AuthorizationSetCurrentUser(nullptr));
  EXPECT_FALSE(AuthorizationSetCurrentUser(w(u"")));
  EXPECT_FALSE(AuthorizationSetPermission(w(u"admin"), 0, TRUE));
  EXPECT_FALSE(AuthorizationSetPermission(nullptr, 1, TRUE));
  EXPECT_TRUE(askOnce(9)) << "the refused calls changed nothing";
  EXPECT_FALSE(askOnce(1));
}

TEST_F(AuthorizationService, HandlesAreCountedAndReleasedOnceEach) {
  const UINT liveAtStart = AuthorizationLiveHandles();
  AuthorizationSetPermission(w(u"user"), 5, TRUE);
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
  cIAuthorizationServiceDestroyWrapper(first);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << "released twice";
  EXPECT_FALSE(cIAuthorizationServiceIsPermittedEnum(first, 5)) << "a released handle permits nothing";
  cIAuthorizationServiceDestroyWrapper(nullptr);
  EXPECT_EQ(AuthorizationRejectedHandles(), 3u);
  EXPECT_TRUE(cIAuthorizationServiceIsPermittedEnum(second, 5)) << "the live handles still answer";
  cIAuthorizationServiceDestroyWrapper(second);
  cIAuthorizationServiceDestroyWrapper(third);
  EXPECT_EQ(AuthorizationLiveHandles(), liveAtStart);
  AuthorizationReset();  // the refusals were this test's own
}

}  // namespace
