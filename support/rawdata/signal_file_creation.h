// Creation of signal files, shared by DSupRwdCreateRawdataFile and its fixed-cache variant
// DSupRwdCreateNRawdataFile: the arguments of both, in their order, and the one creation behind
// them.
#pragma once

#include <windows.h>

namespace dsup {

struct SignalFileRequest {
  LPCWSTR text2492;
  DWORD rateCode;
  LPCWSTR text4172;
  LPCWSTR text4213;
  double factor4732;
  LPCWSTR directory;
  LPCWSTR fileName;
  LPCWSTR sideFileDirectory;
  LONG* status;
  LONG fileType;
  LPCWSTR tagText;
  LPCWSTR text1880;
  LPCWSTR text858;
  LPCWSTR text2574;
  LPCWSTR dateTime;
  LONG bottleNumber;
  WORD word252;
  WORD word256;
};

// The cache of 20 seconds at the file's rate (at least the header image), or always the smallest.
enum class SignalCache { fromRate, smallest };

// Creates the file and returns its context's handle; on failure returns 0 and sets *status to 1.
HGLOBAL createSignalFile(const SignalFileRequest& request, SignalCache cache);

}  // namespace dsup
