// The child of the crash test: records one long run into DIRECTORY/RUN.DAT on the machine's clock,
// forcing a flush after every batch, and writes a report (crash_run.h) to its standard output after
// creation and after every flush, until it is killed or the run is complete (then it closes the
// file and says so).
//
//   dsup_crash_child DIRECTORY/ FILE-TYPE SEED      (the directory ends in a path separator)
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "crash_run.h"

namespace {

using dsupcrash::FlushReport;

std::u16string utf16(const std::string& text) { return {text.begin(), text.end()}; }

LPCWSTR wide(const std::u16string& text) { return reinterpret_cast<LPCWSTR>(text.c_str()); }

[[noreturn]] void fail(const char* what, LONG status) {
  std::fprintf(stderr, "crash child: %s failed with %ld\n", what, static_cast<long>(status));
  std::exit(2);
}

void report(std::uint64_t count, const std::string& path, bool closed = false) {
  const FlushReport flushed{count, std::filesystem::file_size(path), closed ? 1u : 0u};
  // One write of a few bytes: a pipe takes it whole or not at all.
  if (write(STDOUT_FILENO, &flushed, sizeof flushed) != static_cast<ssize_t>(sizeof flushed)) std::exit(3);
}

HGLOBAL createSignalFile(const std::u16string& directory, LONG fileType) {
  LONG status = 0;
  HGLOBAL handle = DSupRwdCreateRawdataFile(wide(u"VIAL"), dsupcrash::rateCodeOf(fileType), wide(u"DAD1 A"), wide(u"Signal"), 1.0,
                                            wide(directory), wide(utf16(dsupcrash::fileName)), wide(directory), &status,
                                            fileType, wide(u"T1"), wide(u""), wide(u""), wide(u""), wide(u"12:00"), 1, 0, 0);
  if (!handle) fail("creating the signal file", status);
  return handle;
}

HGLOBAL createSpectraFile(const std::u16string& directory) {
  RwdHeaderParameters parameters{};
  const auto put = [](WCHAR* field, const std::u16string& text) {
    std::copy(text.begin(), text.end(), reinterpret_cast<char16_t*>(field));
  };
  put(parameters.directory, directory);
  put(parameters.sideFileDirectory, directory);
  put(parameters.fileName, utf16(dsupcrash::fileName));
  parameters.spectrumKind = dsupcrash::spectrumKind;
  HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);
  if (!handle) fail("creating the spectra file", parameters.status);
  return handle;
}

// Returns the points written.
std::uint64_t recordSignal(HGLOBAL handle, LONG fileType, std::uint64_t seed, const std::string& path) {
  std::uint64_t written = 0;
  for (std::uint64_t batch = 0; written < dsupcrash::pointsPerRun; ++batch) {
    const std::uint64_t size = dsupcrash::batchSize(fileType, seed, batch);
    std::vector<double> doubles;
    std::vector<LONG> integers;
    for (std::uint64_t i = written; i < written + size; ++i) {
      doubles.push_back(dsupcrash::pointOf(fileType, seed, i));
      integers.push_back(static_cast<LONG>(doubles.back()));
    }
    const bool asIntegers = fileType == 108 || fileType == 130;
    const LONG status = DSupRwdWriteRawdata(handle, asIntegers ? static_cast<const void*>(integers.data()) : doubles.data(),
                                            static_cast<LONG>(size));
    if (status) fail("writing points", status);
    if (const LONG flushed = DSupRwdWriteCache(handle, 0)) fail("flushing", flushed);
    written += size;
    report(written, path);
  }
  return written;
}

// Returns the records written.
std::uint64_t recordSpectra(HGLOBAL& handle, std::uint64_t seed, const std::string& path) {
  std::uint64_t written = 0;
  for (std::uint64_t batch = 0; written < dsupcrash::recordsPerRun; ++batch) {
    const std::uint64_t size = dsupcrash::batchSize(131, seed, batch);
    for (std::uint64_t n = written; n < written + size; ++n) {
      const dsupcrash::Record record = dsupcrash::recordOf(seed, n);
      const LONG status = DSupRwdWriteSpectrumRecord(&handle, &record.descriptor, record.values.data(),
                                                     static_cast<LONG>(record.values.size()), record.differences);
      if (status) fail("writing a record", status);
    }
    if (const LONG flushed = DSupRwdWriteCache(handle, 0)) fail("flushing", flushed);
    written += size;
    report(written, path);
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: dsup_crash_child DIRECTORY/ FILE-TYPE SEED\n");
    return 1;
  }
  const std::string directory = argv[1];
  const auto fileType = static_cast<LONG>(std::strtol(argv[2], nullptr, 10));
  const std::uint64_t seed = std::strtoull(argv[3], nullptr, 10);
  const std::string path = directory + dsupcrash::fileName;

  HGLOBAL handle = fileType == 131 ? createSpectraFile(utf16(directory)) : createSignalFile(utf16(directory), fileType);
  report(0, path);
  const std::uint64_t written =
      fileType == 131 ? recordSpectra(handle, seed, path) : recordSignal(handle, fileType, seed, path);
  const LONG closed = DSupRwdCloseRawdataFile(&handle);
  if (closed) fail("closing", closed);
  report(written, path, true);
  return 0;
}
