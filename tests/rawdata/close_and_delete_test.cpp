// Deleting, and the lock-failure status of every function for handles that name no file context
// (none, freed, foreign), which only the simulated platform answers safely. Closing with its last
// flush, and deleting an open file, are swept in fault_sweep_test.cpp.
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "raw_file_test.h"

namespace dsuptest {
namespace {

using CloseAndDelete = RawFileTest;

TEST_F(CloseAndDelete, DeletingClosesTheHandleFirst) {
  HGLOBAL handle = create(130), none = nullptr;
  ASSERT_EQ(write(handle, 130, {1}), 0);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&none, w(temp.path16()), w(u"RUN1.DAT")), 5) << "the file is being recorded";
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, w(temp.path16()), w(u"RUN1.DAT")), 0);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(DSupRwdDeleteRawdataFile(nullptr, w(temp.path16()), w(u"RUN1.DAT")), 5) << "nothing left to delete";
  handle = create(130);
  const std::u16string longName(45, u'n');
  EXPECT_EQ(DSupRwdDeleteRawdataFile(&handle, w(temp.path16()), w(longName)), 5);
  EXPECT_EQ(handle, nullptr);
  EXPECT_TRUE(readBack().verified());
}

TEST_F(CloseAndDelete, HandlesOfNoFileContextGiveTheLockFailureStatusOfEachFunction) {
  HGLOBAL freed = create(130), copy = freed;
  DSupRwdCloseRawdataFile(&copy);
  HGLOBAL small = GlobalAlloc(GHND, 16), unknownType = GlobalAlloc(GHND, 20000);
  for (HGLOBAL handle : {HGLOBAL{}, freed, small, unknownType}) {
    const LONG point = 1;
    EXPECT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 10);
    EXPECT_EQ(DSupRwdWriteCache(handle, 0), 1010);
    for (decltype(&DSupRwdWriteBarcode) write : {DSupRwdWriteBarcode, DSupRwdWriteDateTime, DSupRwdWriteInlet})
      EXPECT_EQ(write(handle, w(u"x")), 8);
    EXPECT_EQ(DSupRwdWriteBottleNumber(handle, 1), 8);
    EXPECT_EQ(DSupRwdWriteDataType(handle, 1), 8);
    EXPECT_EQ(DSupRwdWriteGLPInfo(handle, 1, 1, w(u"a"), w(u"b"), w(u"c")), 8);
    EXPECT_EQ(DSupRwdWriteStartTime(handle, 1), 8);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), handle ? 8 : 0);
    EXPECT_EQ(handle, nullptr);
  }
  EXPECT_EQ(DSupRwdCloseRawdataFile(nullptr), 0);
  EXPECT_EQ(GlobalFree(small), nullptr) << "memory that is no file context is left alone";
  EXPECT_EQ(GlobalFree(unknownType), nullptr);
}

}  // namespace
}  // namespace dsuptest
