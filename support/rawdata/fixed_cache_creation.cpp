// DSupRwdCreateNRawdataFile: the fixed-cache variant of signal file creation. It makes LC files
// (type 130) only, always with the smallest cache (the header image), and stores its own text at
// header offset 858 in place of argument 13.
#include <dsup.h>

#include "rawdata/file_layout.h"
#include "rawdata/signal_file_creation.h"
#include "rawdata/status.h"

namespace {

constexpr WCHAR fixedText858[] = TEXT("TestData");

}  // namespace

extern "C" HGLOBAL DSUP_CALL DSupRwdCreateNRawdataFile(
    LPCWSTR text2492, DWORD rateCode, LPCWSTR text4172, LPCWSTR text4213, double factor4732, LPCWSTR directory,
    LPCWSTR fileName, LPCWSTR sideFileDirectory, LONG* status, LONG fileType, LPCWSTR tagText, LPCWSTR text1880,
    LPCWSTR /*text858*/, LPCWSTR text2574, LPCWSTR dateTime, LONG bottleNumber, WORD word252, WORD word256) noexcept {
  if (fileType != dsup::fileTypeLcIntegers) {
    if (status) *status = dsup::statusCreateFailed;
    return nullptr;
  }
  return dsup::createSignalFile({text2492, rateCode, text4172, text4213, factor4732, directory, fileName,
                                 sideFileDirectory, status, fileType, tagText, text1880, fixedText858, text2574,
                                 dateTime, bottleNumber, word252, word256},
                                dsup::SignalCache::smallest);
}
