// Creation of spectra files: the header byte for byte from its first moment, and the index that a
// file closed without records ends in. Failed creations are swept in spectra_fault_sweep_test.cpp.
#include <gtest/gtest.h>

#include "spectra_file_test.h"

namespace dsuptest {
namespace {

using SpectraCreation = SpectraFileTest;

// The whole file as the format describes it; every byte that no field names is zero.
Bytes expectedSpectraFile(WORD kind) {
  Bytes image(4098);
  auto put = [&](std::size_t at, const Bytes& bytes) { std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at)); };
  put(0, {3, '1', '3', '1'});
  put(244, {0, 0, 0, 12, 0, 0, 0, 131, 0, 0, 0, 12, 0, 0, 0, 1});  // bottle number, type, word 252, 254, 256, indexFlag
  put(264, {0, 0, 0, 9});
  put(318, {0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x01});
  put(326, encodedText(u"131"));
  put(342, bigEndian(kind, 2));
  put(347, encodedText(u"LC DATA FILE"));
  put(858, encodedText(u"Method 7"));
  put(1880, encodedText(u"Operator"));
  put(2391, encodedText(u"12:30 2026-01-01"));
  put(2492, encodedText(u"VIAL"));
  put(2533, encodedText(u"LC"));
  put(2574, encodedText(u"Sample 12"));
  put(3085, {0x40, 0x04, 0, 0, 0, 0, 0, 0});  // 2.5
  put(3093, encodedText(u"DAD"));
  put(3134, bigEndian(kind, 2));
  put(3136, encodedText(u"190 to 400 nm"));
  return image;
}

TEST_F(SpectraCreation, HeaderAndEndMarkFromTheFirstMomentAndAnEmptyIndexAtClosing) {
  for (WORD kind : {1, 2, 9}) {
    SCOPED_TRACE(kind);
    writeHostFile(temp.file("RUN1.DAT"), Bytes(10000, 0xEE));  // replaced
    RwdHeaderParameters parameters = parametersFor(kind);
    parameters.status = 77;
    HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);
    EXPECT_EQ(parameters.status, 77) << "left alone on success";
    EXPECT_EQ(fileBytes(), expectedSpectraFile(kind));
    EXPECT_EQ(readSpectra().violations, std::vector<std::string>{});
    const dsupreader::SpectraFile file = closeAndVerifySpectra(handle);
    EXPECT_EQ(slice(fileBytes(), 4096, 100), (Bytes{0x44, 0, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(file.integer("indexOffset"), 4096);
    EXPECT_EQ(file.integer("spectrumTotal"), 0);
  }
}

}  // namespace
}  // namespace dsuptest
