// Snapshots: a copy of the file as it stands after a forced flush, taken while recording goes on;
// a spectra file's copy is finished with its index while the data file keeps its end mark.
#include <gtest/gtest.h>

#include <filesystem>

#include "raw_file_test.h"

namespace dsuptest {
namespace {

class Snapshot : public RawFileTest {
 protected:
  void SetUp() override {
    RawFileTest::SetUp();
    std::filesystem::create_directory(temp.file("copy"));
  }
  LONG snapshot(HGLOBAL handle) const { return DSupRwdRawdataSnapshot(handle, w(temp.path16() + u"copy/")); }
};

TEST_F(Snapshot, SignalCopyHoldsEveryPointWrittenSoFar) {
  const struct {
    LONG fileType;
    std::vector<double> points;
    std::size_t length;
  } cases[] = {{130, {}, 6146},  // the cache's size: the empty read behind the full one ends the copy
               {179, std::vector<double>(10, 2.5), 6144 + 80}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileType);
    HGLOBAL handle = create(c.fileType);
    ASSERT_EQ(write(handle, c.fileType, c.points), 0);
    EXPECT_EQ(snapshot(handle), 0);
    EXPECT_EQ(fileBytes("copy/RUN1.DAT"), fileBytes());
    EXPECT_EQ(fileSize(), c.length);
    EXPECT_EQ(dsupreader::readSignalFile(fileBytes("copy/RUN1.DAT")).points, c.points);
    closeAndVerify(handle);
  }
}

TEST_F(Snapshot, SpectraCopyEndsInItsIndexWhileTheDataFileGoesOn) {
  for (std::size_t before : {3, 210}) {  // entries all in memory; entries in the side file too
    SCOPED_TRACE(before);
    HGLOBAL handle = createSpectra(1);
    for (std::size_t n = 0; n < before; ++n) ASSERT_EQ(record(handle, n, {LONG(n), 40000}), 0);
    ASSERT_EQ(snapshot(handle), 0);
    const dsupreader::SpectraFile copy = readSpectra("copy/RUN1.DAT");
    EXPECT_EQ(copy.violations, std::vector<std::string>{});
    EXPECT_EQ(copy.integer("indexOffset"), fileSize() - 2);
    expectRecords(copy, given, 1);
    const dsupreader::SpectraFile recording = readSpectra();
    EXPECT_FALSE(recording.finished);
    EXPECT_EQ(recording.violations, std::vector<std::string>{});
    for (std::size_t n = before; n < before + 50; ++n) ASSERT_EQ(record(handle, n, {-5}, false), 0);
    ASSERT_EQ(snapshot(handle), 0);
    expectRecords(readSpectra("copy/RUN1.DAT"), given, 1);
    closeAndVerifySpectra(handle);
  }
}

TEST_F(Snapshot, RefusedCopiesLeaveTheDataFileAsItIs) {
  HGLOBAL handle = createSpectra(2);
  ASSERT_EQ(record(handle, 1, {1, 2, 3}), 0);
  ASSERT_EQ(DSupRwdWriteCache(handle, 0), 0);
  const Bytes before = fileBytes();
  EXPECT_EQ(DSupRwdRawdataSnapshot(nullptr, w(temp.path16() + u"copy/")), 6);
  EXPECT_EQ(DSupRwdRawdataSnapshot(handle, w(temp.path16() + u"missing/")), 6);
  EXPECT_EQ(DSupRwdRawdataSnapshot(handle, w(temp.path16())), 6) << "the copy would be the data file itself";
  EXPECT_EQ(fileBytes(), before);
  closeAndVerifySpectra(handle);
}

}  // namespace
}  // namespace dsuptest
