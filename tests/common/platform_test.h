// The base fixture of every test that touches the platform layer: a temporary directory, a fresh
// authorization registry (the default user, no permission), a scripted user and, on the simulated
// platform, a fresh simulation (simulated clock, no faults, counters at 0, empty trace). At the
// end it checks that the test left no authorization service handle behind and released none
// twice, that its script was played to the end without failures and, on the simulated platform,
// that it left no memory block, lock, open file handle, window or device context behind. Under
// Wine (DSUP_SIMULATION 0) the scripted user plays real input, and the platform's counters are
// not there to check.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "common/temp_directory.h"
#include "sim/scripted_user.h"

namespace dsuptest {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TempDirectory temp;
  sim::ScriptedUser user;

 private:
  std::size_t blocksAtStart_ = 0;
  std::size_t filesAtStart_ = 0;
  std::size_t windowsAtStart_ = 0;
  std::size_t deviceContextsAtStart_ = 0;
  unsigned serviceHandlesAtStart_ = 0;
};

}  // namespace dsuptest
