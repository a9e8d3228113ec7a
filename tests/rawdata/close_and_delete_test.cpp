// Closing and deleting: the last flush, and the handle variable at 0 afterwards. (Their failures
// are swept in fault_sweep_test.cpp.)
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "signal_file_test.h"

namespace dsuptest {
namespace {

using CloseAndDelete = SignalFileTest;

TEST_F(CloseAndDelete, ClosingWritesTheCachedPointsAndFreesTheContext) {
  HGLOBAL handle = nullptr;
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(DSupRwdCloseRawdataFile(nullptr), 0);
  handle = create(108);
  clockAt(1);
  ASSERT_EQ(write(handle, 108, {7, 8, 9}), 0);
  context(handle).indexMemory = GlobalAlloc(GHND, 10);  // freed with the context
  release(handle);
  ASSERT_EQ(fileSize(), 6146u);
  const dsupreader::SignalFile file = closeAndVerify(handle);
  EXPECT_EQ(file.points, (std::vector<double>{7, 8, 9}));
  EXPECT_EQ(file.integer("endTime"), 100);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0) << "closing twice through the same variable";
}

TEST_F(CloseAndDelete, DeletingClosesTheHandleFirst) {
  HGLOBAL handle = create(130), none = nullptr;
  ASSERT_EQ(write(handle, 130, {1}), 0);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&none, temp.path16().c_str(), u"RUN1.DAT"), 5) << "the file is being recorded";
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, temp.path16().c_str(), u"RUN1.DAT"), 0);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, temp.path16().c_str(), u"RUN1.DAT"), 5) << "nothing left to delete";
  handle = create(130);
  const std::u16string longName(45, u'n');
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, temp.path16().c_str(), longName.c_str()), 5);
  EXPECT_EQ(handle, nullptr);
  EXPECT_TRUE(readBack().verified());
}

}  // namespace
}  // namespace dsuptest
