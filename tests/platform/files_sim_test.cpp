// Files under the simulation controls: short and failed writes, failed reads, injected open,
// delete and close failures, and the per-file counters.
#include <windows.h>

#include "platform/files_fixture.h"
#include "sim/faults.h"

namespace {

using FilesSimulation = dsuptest::FilesTest;

TEST_F(FilesSimulation, ShortWriteWritesOnlyTheGivenBytesAndFailedWritesAndReadsChangeNothing) {
  HANDLE file = record("fail.dat");
  sim::shortenWrite(1, 3);
  EXPECT_EQ(write(file, "0123456789"), 3u);
  EXPECT_EQ(write(file, "abc"), 3u) << "the fault fires once";
  sim::failOperation(sim::Operation::fileWrite);
  DWORD written = 7;
  EXPECT_FALSE(WriteFile(file, "xyz", 3, &written, nullptr));
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(contents("fail.dat"), "012abc");

  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  sim::failOperation(sim::Operation::fileRead);
  char buffer[3];
  DWORD read = 7;
  EXPECT_FALSE(ReadFile(file, buffer, 3, &read, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_READ_FAULT));
  EXPECT_EQ(read, 0u);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 0u);
  CloseHandle(file);
}

TEST_F(FilesSimulation, InjectedOpenAndDeleteFailuresLeaveNoTrace) {
  sim::failOperation(sim::Operation::fileOpen);
  EXPECT_EQ(record("never.dat"), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(dsuptest::hostFileExists(temp.file("never.dat")));

  CloseHandle(record("kept.dat"));
  sim::failOperation(sim::Operation::fileDelete);
  EXPECT_FALSE(DeleteFileW(file16("kept.dat")));
  EXPECT_TRUE(dsuptest::hostFileExists(temp.file("kept.dat")));

  HANDLE file = record("close.dat");
  sim::failOperation(sim::Operation::fileClose);
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file)) << "a failed close still releases the handle";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(FilesSimulation, CountersTellHowOftenAFileWasTouched) {
  HANDLE file = record("count.dat");
  write(file, "ab");
  write(file, "cde");
  char buffer[2];
  DWORD read;
  ReadFile(file, buffer, 2, &read, nullptr);
  CloseHandle(file);
  const sim::FileCounters counters = sim::fileCounters(temp.file("count.dat"));
  EXPECT_EQ(counters.opens, 1u);
  EXPECT_EQ(counters.writes, 2u);
  EXPECT_EQ(counters.bytesWritten, 5u);
  EXPECT_EQ(counters.reads, 1u);
}

}  // namespace
