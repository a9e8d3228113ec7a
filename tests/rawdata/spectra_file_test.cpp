#include "spectra_file_test.h"

#include <algorithm>
#include <cstring>

#include "rawdata/file_context.h"

namespace dsuptest {

RwdHeaderParameters SpectraFileTest::parametersFor(WORD kind, const std::u16string& fileName) const {
  RwdHeaderParameters parameters{};
  put(parameters.text2492, u"VIAL");
  parameters.value3085 = 2.5;
  put(parameters.text3093, u"DAD");
  parameters.spectrumKind = kind;
  put(parameters.text3136, u"190 to 400 nm");
  put(parameters.directory, temp.path16());
  put(parameters.fileName, fileName);
  put(parameters.sideFileDirectory, temp.path16());
  put(parameters.tagText, u"T1");
  put(parameters.dateTime, u"12:30\n2026-01-01");
  put(parameters.text1880, u"Operator");
  put(parameters.text858, u"Method 7");
  put(parameters.text2574, u"Sample 12");
  parameters.bottleNumber = 12;
  return parameters;
}

RwdSpectrumDescriptor SpectraFileTest::descriptorFor(std::size_t n) {
  RwdSpectrumDescriptor descriptor{};
  descriptor.value = static_cast<LONG>(n * 1000 + 7);
  descriptor.fields[0] = static_cast<WORD>(n);
  descriptor.fields[1] = 2;
  descriptor.fields[2] = 3;
  descriptor.fields[3] = static_cast<WORD>(n + 100);
  descriptor.extension.kind1 = static_cast<DWORD>(0x04030201 + n);
  return descriptor;
}

LONG SpectraFileTest::record(HGLOBAL& handle, std::size_t n, const std::vector<LONG>& values, bool differences) {
  given.push_back({descriptorFor(n), values, differences});
  return DSupRwdWriteSpectrumRecord(&handle, &given.back().descriptor, values.data(), static_cast<LONG>(values.size()),
                                    differences);
}

dsupreader::SpectraFile SpectraFileTest::closeAndVerifySpectra(HGLOBAL& handle) {
  const WORD kind = context(handle).spectrumKind;
  release(handle);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  dsupreader::SpectraFile file = readSpectra();
  EXPECT_EQ(file.violations, std::vector<std::string>{});
  EXPECT_TRUE(file.finished);
  expectRecords(file, given, kind);
  return file;
}

SIZE_T SpectraFileTest::indexBlockSize(HGLOBAL handle) {
  const SIZE_T size = GlobalSize(static_cast<RwdFileContext*>(GlobalLock(handle))->indexMemory);
  GlobalUnlock(handle);
  return size;
}

void expectRecords(const dsupreader::SpectraFile& file, const std::vector<GivenRecord>& given, WORD kind) {
  ASSERT_EQ(file.records.size(), given.size());
  for (std::size_t i = 0; i < given.size(); ++i) {
    const dsupreader::SpectrumRecord& record = file.records[i];
    const RwdSpectrumDescriptor& descriptor = given[i].descriptor;
    std::array<std::uint8_t, 4> extension;
    std::memcpy(extension.data(), &descriptor.extension, extension.size());
    const std::array<std::uint16_t, 4> fields = {descriptor.fields[0], descriptor.fields[1], descriptor.fields[2], descriptor.fields[3]};
    EXPECT_TRUE(record.differences == given[i].differences && record.descriptorValue == descriptor.value &&
                record.fields == fields && record.extension == (kind == 1 || kind == 2 ? std::optional(extension) : std::nullopt) &&
                std::equal(record.values.begin(), record.values.end(), given[i].values.begin(), given[i].values.end()))
        << "record " << i << " at " << record.offset;
  }
}

}  // namespace dsuptest
