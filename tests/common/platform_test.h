// The base fixture of every test that touches the platform layer: a temporary directory and, on
// the simulated platform, a fresh simulation (simulated clock, no faults, counters at 0) and at
// the end the check that the test left no memory block, lock or open file handle behind. Under
// Wine (DSUP_SIMULATION 0) only the directory is given.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "common/temp_directory.h"

namespace dsuptest {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TempDirectory temp;

 private:
  std::size_t blocksAtStart_ = 0;
  std::size_t filesAtStart_ = 0;
};

}  // namespace dsuptest
