#include "rawdata/side_file.h"

#include "rawdata/file_context.h"
#include "rawdata/file_path.h"
#include "rawdata/side_file_registry.h"
#include "rawdata/status.h"

namespace dsup {

namespace {

constexpr WCHAR fullStop = TEXT('.');
// The search for the full stop looks no further back than the path's second character.
constexpr std::size_t firstSearchedUnit = 1;

// The length of the joined path up to its last full stop, or 0 when there is none to cut at.
std::size_t stemLength(const WCHAR* joined) {
  std::size_t length = 0;
  while (joined[length] != 0) ++length;
  for (std::size_t at = length; at-- > firstSearchedUnit;)
    if (joined[at] == fullStop) return at;
  return 0;
}

HANDLE createSideFile(RwdFileContext& context, LONG& status) {
  WCHAR joined[filePathUnits];
  joinFilePath(context.sideFileDirectory, context.fileName, joined);
  const std::size_t stem = stemLength(joined);
  if (stem == 0) {
    status = statusSideFileNameWithoutStop;
    return INVALID_HANDLE_VALUE;
  }
  status = statusSideFileCreateFailed;
  if (!claimSideFilePath(joined, stem, context.sideFilePath)) return INVALID_HANDLE_VALUE;
  HANDLE file = CreateFileW(context.sideFilePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    releaseSideFilePath(context.sideFilePath);
    return file;
  }
  context.sideFileCreated = 1;
  status = statusOk;
  return file;
}

HANDLE reopenSideFile(const RwdFileContext& context, LONG& status) {
  HANDLE file = CreateFileW(context.sideFilePath, GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  status = file == INVALID_HANDLE_VALUE ? statusSideFileOpenFailed : statusOk;
  return file;
}

}  // namespace

HANDLE openSideFileForSpill(RwdFileContext& context, LONG& status) {
  HANDLE file = context.sideFileCreated ? reopenSideFile(context, status) : createSideFile(context, status);
  if (file != INVALID_HANDLE_VALUE) SetFilePointer(file, 0, nullptr, FILE_END);
  return file;
}

HANDLE RwdOpenSideFile(const RwdFileContext& context) {
  return CreateFileW(context.sideFilePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

void RwdDeleteSideFile(RwdFileContext& context) {
  context.sideFileCreated = 0;
  releaseSideFilePath(context.sideFilePath);
  DeleteFileW(context.sideFilePath);
}

}  // namespace dsup
