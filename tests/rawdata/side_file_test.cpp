// The side file: its name follows the data file's, a name without a full stop makes the first spill
// fail (and the finished index then holds exactly the entries that were kept), and two spectra files
// recorded at the same time never share one.
#include <gtest/gtest.h>

#include <filesystem>

#include "spectra_file_test.h"

namespace dsuptest {
namespace {

using SideFile = SpectraFileTest;

constexpr std::size_t entriesInMemory = 203;

TEST_F(SideFile, NameIsTheDataFileNameCutAtTheLastFullStopWithTmp) {
  const struct {
    std::u16string fileName, sideDirectory;  // the side directory within the test's directory
    std::string sideFile;                    // within the test's directory
  } names[] = {{u"RUN1.DAT", u"", "RUN1.tmp"}, {u"RUN.2.CH", u"", "RUN.2.tmp"}, {u"RUN1", u"side.d/", "side.tmp"}};
  for (const auto& name : names) {
    SCOPED_TRACE(name.sideFile);
    RwdHeaderParameters parameters = parametersFor(1, name.fileName);
    put(parameters.sideFileDirectory, temp.path16() + name.sideDirectory);
    HGLOBAL handle = createSpectra(parameters);
    for (std::size_t n = 0; n <= entriesInMemory; ++n) ASSERT_EQ(record(handle, n, {}), 0);
    EXPECT_EQ(readHostFile(temp.file(name.sideFile)).size(), 10 * entriesInMemory);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    EXPECT_FALSE(hostFileExists(temp.file(name.sideFile)));
  }
}

TEST_F(SideFile, NameWithoutFullStopFailsTheSpillAndTheIndexKeepsWhatItHolds) {
  HGLOBAL handle = createSpectra(parametersFor(1, u"RUN1"));
  for (std::size_t n = 0; n < 250; ++n) ASSERT_EQ(record(handle, n, {1}), n == entriesInMemory ? 12106 : 0);
  ASSERT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  const dsupreader::SpectraFile file = readSpectra("RUN1");
  // The 203 entries in memory are given up, and the 204th is not added.
  EXPECT_EQ(file.violations, std::vector<std::string>{"204 records are missing from the index, the first at 4096"});
  EXPECT_EQ(file.index.size(), 46u) << "the entries given up are not counted; nothing behind the kept ones";
  EXPECT_EQ(file.index.at(0).offset, file.records.at(entriesInMemory + 1).offset);
  EXPECT_EQ(temp.listing().size(), 1u);
}

TEST_F(SideFile, FilesRecordedAtTheSameTimeNeverShareOne) {
  // Three files named RUN1.DAT in three directories, one side directory: each gets its own side
  // file while the others are open, and a file created after them gets the plain name again.
  std::vector<HGLOBAL> handles;
  for (const char* directory : {"a/", "b/", "c/"}) {
    std::filesystem::create_directory(temp.file(directory));
    RwdHeaderParameters parameters = parametersFor(1);
    put(parameters.directory, temp.path16() + u16(directory));
    handles.push_back(createSpectra(parameters));
  }
  for (std::size_t n = 0; n < 300; ++n)
    for (std::size_t file = 0; file < handles.size(); ++file)
      ASSERT_EQ(record(handles[file], 1000 * file + n, {LONG(file)}), 0);
  for (const char* sideFile : {"RUN1.tmp", "RUN1~1.tmp", "RUN1~2.tmp"})
    EXPECT_EQ(readHostFile(temp.file(sideFile)).size(), 10 * entriesInMemory) << sideFile;
  for (std::size_t file = 0; file < handles.size(); ++file) {
    ASSERT_EQ(DSupRwdCloseRawdataFile(&handles[file]), 0);
    const dsupreader::SpectraFile spectra = readSpectra(std::string(1, char('a' + file)) + "/RUN1.DAT");
    EXPECT_EQ(spectra.violations, std::vector<std::string>{}) << "entries of another file would not match";
    EXPECT_EQ(spectra.index.size(), 300u);
  }
  HGLOBAL later = createSpectra(1);
  for (std::size_t n = 0; n <= entriesInMemory; ++n) ASSERT_EQ(record(later, n, {}), 0);
  EXPECT_TRUE(hostFileExists(temp.file("RUN1.tmp")));
  EXPECT_EQ(DSupRwdCloseRawdataFile(&later), 0);
}

}  // namespace
}  // namespace dsuptest
