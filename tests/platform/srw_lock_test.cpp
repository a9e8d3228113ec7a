// Slim reader/writer locks in exclusive mode, as the library's raw data calls take them: one thread
// holds a lock at a time, and a released lock goes to the threads that wait for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

TEST(SrwLock, OneThreadAtATimeHoldsIt) {
  SRWLOCK lock = SRWLOCK_INIT;
  constexpr int threads = 4, rounds = 20000;
  int inside = 0, mostInside = 0;
  long counter = 0;
  std::vector<std::thread> contenders;
  for (int t = 0; t < threads; ++t) {
    contenders.emplace_back([&] {
      for (int i = 0; i < rounds; ++i) {
        AcquireSRWLockExclusive(&lock);
        mostInside = std::max(mostInside, ++inside);
        ++counter;
        --inside;
        ReleaseSRWLockExclusive(&lock);
      }
    });
  }
  for (std::thread& contender : contenders) contender.join();
  EXPECT_EQ(counter, long{threads} * rounds);
  EXPECT_EQ(mostInside, 1);

  SRWLOCK initialised;
  InitializeSRWLock(&initialised);
  AcquireSRWLockExclusive(&initialised);
  ReleaseSRWLockExclusive(&initialised);
}

}  // namespace
