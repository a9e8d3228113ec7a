#include "common/platform_test.h"

#include <authorization_registry.h>
#include <windows.h>

#if DSUP_SIMULATION
#include "sim/inventory.h"
#endif

namespace dsuptest {

namespace {

#if DSUP_SIMULATION
// Destroys the windows that a failed test left, and what is still queued for its thread, so that
// the next test starts clean.
void clearUserInterface() {
  for (HWND window; (window = GetTopWindow(nullptr)) && DestroyWindow(window);) {
  }
  MSG message;
  while (PeekMessageW(&message, reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)), 0, 0, PM_REMOVE)) {
  }
}
#endif

}  // namespace

void PlatformTest::SetUp() {
#if DSUP_SIMULATION
  sim::resetSimulation();
  blocksAtStart_ = sim::liveMemoryBlocks();
  filesAtStart_ = sim::openFileHandles();
  windowsAtStart_ = sim::liveWindows();
  deviceContextsAtStart_ = sim::liveDeviceContexts();
#endif
  AuthorizationReset();
  serviceHandlesAtStart_ = AuthorizationLiveHandles();
}

void PlatformTest::TearDown() {
  EXPECT_EQ(user.discardPendingActions(), 0u) << "scripted actions were left unplayed";
  for (const std::string& failure : user.takeFailures()) ADD_FAILURE() << "scripted user: " << failure;
#if DSUP_SIMULATION
  EXPECT_EQ(sim::liveWindows(), windowsAtStart_) << "windows were left";
  EXPECT_EQ(sim::liveDeviceContexts(), deviceContextsAtStart_) << "device contexts were not released";
  clearUserInterface();
  sim::resetSimulation();
  EXPECT_EQ(sim::liveMemoryBlocks(), blocksAtStart_) << "memory blocks leaked";
  EXPECT_EQ(sim::lockedMemoryBlocks(), 0u) << "memory blocks left locked";
  EXPECT_EQ(sim::openFileHandles(), filesAtStart_) << "file handles leaked";
#endif
  EXPECT_EQ(AuthorizationLiveHandles(), serviceHandlesAtStart_) << "authorization service handles leaked";
  EXPECT_EQ(AuthorizationRejectedHandles(), 0u) << "an authorization service handle was not live when used";
}

}  // namespace dsuptest
