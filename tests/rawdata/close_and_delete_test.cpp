// Closing and deleting: the last flush, the handle variable at 0 whatever happens, and failures
// that are reported rather than hidden.
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "signal_file_test.h"
#include "sim/faults.h"
#include "sim/inventory.h"

namespace dsuptest {
namespace {

using CloseAndDelete = SignalFileTest;

TEST_F(CloseAndDelete, AVariableHolding0GivesNothingToDo) {
  HGLOBAL handle = nullptr;
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(DSupRwdCloseRawdataFile(nullptr), 0);
  handle = create(130);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0) << "closing twice through the same variable";
}

TEST_F(CloseAndDelete, ClosingWritesTheCachedPointsBehindARefreshedHeader) {
  HGLOBAL handle = create(108);
  clockAt(1);
  const LONG points[] = {7, 8, 9};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 3), 0);
  ASSERT_EQ(fileSize(), 6146u);
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_EQ(file.points, (std::vector<double>{7, 8, 9}));
  EXPECT_EQ(file.integer("maxValueC"), 9);
  EXPECT_EQ(file.integer("endTime"), 100);
}

TEST_F(CloseAndDelete, AFailedLastFlushIsReportedThoughTheFileCloses) {
  HGLOBAL handle = create(130);
  clockAt(1);
  const LONG points[] = {1, 2};
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points, 2), 0);
  sim::shortenWrite(11, 2);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 1004);
  EXPECT_EQ(handle, nullptr);
  EXPECT_TRUE(readBack().verified());
  EXPECT_EQ(fileSize(), 6146u);
}

TEST_F(CloseAndDelete, AFileThatDoesNotCloseCleanlyIsReported) {
  HGLOBAL handle = create(130);
  sim::failOperation(sim::Operation::fileClose);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 1004);
  EXPECT_EQ(handle, nullptr);
}

TEST_F(CloseAndDelete, ABlockThatCannotBeLockedIsFreedAllTheSame) {
  HGLOBAL handle = create(130);
  HANDLE file = context(handle).fileHandle;
  release(handle);
  sim::failOperation(sim::Operation::lock);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 8);
  EXPECT_EQ(handle, nullptr);
  CloseHandle(file);  // the context that owned it is gone
}

TEST_F(CloseAndDelete, ClosingFreesTheIndexMemoryOfTheContext) {
  HGLOBAL handle = create(130);
  context(handle).indexMemory = GlobalAlloc(GHND, 10);
  release(handle);
  const std::size_t blocks = sim::liveMemoryBlocks();
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(sim::liveMemoryBlocks(), blocks - 2);
}

TEST_F(CloseAndDelete, DeletingClosesTheHandleFirst) {
  HGLOBAL handle = create(130);
  const LONG point = 1;
  ASSERT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 0);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, temp.path16().c_str(), u"RUN1.DAT"), 0);
  EXPECT_EQ(handle, nullptr);
  EXPECT_TRUE(temp.listing().empty());
}

TEST_F(CloseAndDelete, DeletingWithoutAHandleOnlyDeletesTheFile) {
  HGLOBAL handle = create(130);
  HGLOBAL none = nullptr;
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&none, temp.path16().c_str(), u"RUN1.DAT"), 5) << "the file is being recorded";
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&none, temp.path16().c_str(), u"RUN1.DAT"), 0);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, temp.path16().c_str(), u"RUN1.DAT"), 5) << "nothing left to delete";
}

TEST_F(CloseAndDelete, AFileNameTooLongToBeOursIsNotDeletedButTheHandleIsClosed) {
  HGLOBAL handle = create(130);
  const std::u16string longName(45, u'n');
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, temp.path16().c_str(), longName.c_str()), 5);
  EXPECT_EQ(handle, nullptr);
  EXPECT_TRUE(readBack().verified());
}

}  // namespace
}  // namespace dsuptest
