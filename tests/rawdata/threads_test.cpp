// One signal file recorded from two threads through the same handle: one thread writes points,
// the other writes points too and, between its batches, flushes, writes header fields and takes
// snapshots. Every call on the handle runs whole before the next one, so the file verifies and each
// call's points stand together, in the order of their thread. And spectra files of the same name
// recorded on several threads at once into one side directory: each gets a side file of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <thread>

#include "raw_file_test.h"

namespace dsuptest {
namespace {

constexpr int batches = 150;

// Point i of batch b of a thread: positive for the first thread, negative for the second, and
// large enough now and then for the absolute records of the difference blocks.
double pointOf(int thread, int batch, int i) {
  const double magnitude = batch * 1000.0 + i + 1 + (i % 7 == 0 ? 50000.0 : 0.0);
  return thread == 0 ? magnitude : -magnitude;
}

int batchSize(int batch) { return 1 + batch * 13 % 40; }

std::vector<double> batchOf(int thread, int batch) {
  std::vector<double> points;
  for (int i = 0; i < batchSize(batch); ++i) points.push_back(pointOf(thread, batch, i));
  return points;
}

// The batches as the file holds them: each must be whole and in place, and each thread's batches
// must follow each other in order.
void expectWholeBatchesInOrder(const std::vector<double>& points) {
  std::map<int, int> nextBatch;  // by thread
  for (std::size_t at = 0; at < points.size();) {
    const int thread = points[at] > 0 ? 0 : 1;
    const int batch = nextBatch[thread]++;
    const std::vector<double> expected = batchOf(thread, batch);
    ASSERT_LE(at + expected.size(), points.size()) << "batch " << batch << " of thread " << thread << " is cut";
    ASSERT_EQ(std::vector<double>(points.begin() + static_cast<std::ptrdiff_t>(at),
                                  points.begin() + static_cast<std::ptrdiff_t>(at + expected.size())),
              expected)
        << "batch " << batch << " of thread " << thread << " at point " << at;
    at += expected.size();
  }
  EXPECT_EQ(nextBatch[0], batches);
  EXPECT_EQ(nextBatch[1], batches);
}

using RawFileThreads = RawFileTest;

TEST_F(RawFileThreads, TwoThreadsOnOneHandleKeepTheFileWellFormed) {
  std::filesystem::create_directory(temp.file("copy"));
  for (LONG fileType : {108, 130, 179, 181}) {
    SCOPED_TRACE(fileType);
    HGLOBAL handle = create(fileType);
    ASSERT_NE(handle, nullptr);
    std::thread writer([&] {
      for (int batch = 0; batch < batches; ++batch) EXPECT_EQ(write(handle, fileType, batchOf(0, batch)), 0);
    });
    for (int batch = 0; batch < batches; ++batch) {
      EXPECT_EQ(write(handle, fileType, batchOf(1, batch)), 0);
      EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0);
      EXPECT_EQ(DSupRwdWriteBarcode(handle, w(u"BARCODE-" + u16(std::to_string(batch)))), 0);
      EXPECT_EQ(DSupRwdWriteGLPInfo(handle, batch, 1, w(u"first"), w(u"second"), w(u"third")), 0);
      if (batch % 25 == 0) {
        EXPECT_EQ(DSupRwdRawdataSnapshot(handle, w(temp.path16() + u"copy/")), 0);
        EXPECT_EQ(dsupreader::readSignalFile(fileBytes("copy/RUN1.DAT")).violations, std::vector<std::string>{});
      }
    }
    writer.join();
    const dsupreader::SignalFile file = closeAndVerify(handle);
    expectWholeBatchesInOrder(file.points);
    EXPECT_EQ(file.text("barcode"), u"BARCODE-" + u16(std::to_string(batches - 1)));
  }
}

TEST_F(RawFileThreads, SpectraFilesOnSeveralThreadsKeepTheirSideFilesApart) {
  constexpr int threads = 4, records = 250;  // the entries move to the side file at the 204th
  std::vector<std::thread> recorders;
  for (int t = 0; t < threads; ++t) {
    const std::string directory = "run" + std::to_string(t);
    std::filesystem::create_directory(temp.file(directory));
    RwdHeaderParameters parameters = parametersFor(1);
    put(parameters.directory, temp.path16() + u16(directory + "/"));
    recorders.emplace_back([parameters, t]() mutable {
      HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);
      for (int n = 0; n < records; ++n) {
        const RwdSpectrumDescriptor descriptor = descriptorFor(static_cast<std::size_t>(n));
        const std::vector<LONG> values(5, t * 1000 + n);
        EXPECT_EQ(DSupRwdWriteSpectrumRecord(&handle, &descriptor, values.data(), 5, TRUE), 0);
      }
      EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    });
  }
  for (std::thread& recorder : recorders) recorder.join();
  for (int t = 0; t < threads; ++t) {
    const dsupreader::SpectraFile file = readSpectra("run" + std::to_string(t) + "/RUN1.DAT");
    EXPECT_EQ(file.violations, std::vector<std::string>{});
    ASSERT_EQ(file.index.size(), std::size_t{records});
    for (int n = 0; n < records; ++n)
      EXPECT_EQ(file.records[static_cast<std::size_t>(n)].values.front(), t * 1000 + n) << "record " << n << " of " << t;
  }
  for (const std::string& name : temp.listing()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

}  // namespace
}  // namespace dsuptest
