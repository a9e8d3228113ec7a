// What a spectra file's context does when the platform moves it or refuses it something: records
// move the context and the caller keeps a valid handle; a record whose index entry failed still
// moves the next record's offset on. (Failed appends keep their records: see the fault sweeps.)
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "sim/faults.h"
#include "spectra_file_test.h"

namespace dsuptest {
namespace {

using SpectraFailures = SpectraFileTest;

TEST_F(SpectraFailures, RecordsMoveTheContextAndTheOldHandleFailsCleanlyOnceClosed) {
  sim::setAlwaysMoveOnReallocate(true);
  HGLOBAL handle = createSpectra(1);
  for (std::size_t n = 0; n < 300; ++n) {
    const void* before = &context(handle);
    release(handle);
    ASSERT_EQ(record(handle, n, std::vector<LONG>(n % 40, 7)), 0);
    EXPECT_NE(&context(handle), before) << "the context moved";
    release(handle);
  }
  HGLOBAL stale = handle;
  closeAndVerifySpectra(handle);
  const RwdSpectrumDescriptor descriptor = descriptorFor(1);
  const LONG value = 1;
  EXPECT_EQ(DSupRwdWriteSpectrumRecord(&stale, &descriptor, &value, 1, TRUE), 10010);
  EXPECT_EQ(DSupRwdRawdataSnapshot(stale, w(temp.path16())), 8);
  EXPECT_EQ(DSupRwdWriteCache(stale, 0), 1010);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&stale), 8);
}

TEST_F(SpectraFailures, RecordWithoutIndexEntryStillMovesTheNextRecordsOffset) {
  HGLOBAL handle = createSpectra(1);
  ASSERT_EQ(record(handle, 0, {1}), 0);
  sim::failOperation(sim::Operation::lock, 3);  // the context twice, then the index block
  EXPECT_EQ(record(handle, 1, {2, 3}), 12010);
  ASSERT_EQ(record(handle, 2, {4}), 0);
  ASSERT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  const dsupreader::SpectraFile file = readSpectra();
  EXPECT_EQ(file.violations, std::vector<std::string>{"1 records are missing from the index, the first at 4120"});
  expectRecords(file, given, 1);
  EXPECT_EQ(file.index.at(1).offset, file.records.at(2).offset);
}

}  // namespace
}  // namespace dsuptest
