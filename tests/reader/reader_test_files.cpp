#include "reader_test_files.h"

#include <dsup.h>
#include <gtest/gtest.h>

namespace dsuptest {

Bytes recordedFile(const TempDirectory& temp, long fileType, const std::vector<double>& points) {
  LONG status = 0;
  const std::u16string directory = temp.path16();
  HGLOBAL handle = DSupRwdCreateRawdataFile(u"V1", fileType == 108 ? 0 : (1u << 16 | 100), u"DET", u"SIG", 1.0,
                                            directory.c_str(), u"READ.DAT", u"", &status, fileType, u"", u"op",
                                            u"method", u"sample", u"date", 1, 0, 0);
  const std::vector<LONG> integers(points.begin(), points.end());
  const bool asIntegers = fileType == 108 || fileType == 130;
  EXPECT_EQ(DSupRwdWriteRawdata(handle, asIntegers ? static_cast<const void*>(integers.data()) : points.data(),
                                static_cast<LONG>(points.size())),
            0);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  return readHostFile(temp.file("READ.DAT"));
}

void putBigEndian32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

}  // namespace dsuptest
