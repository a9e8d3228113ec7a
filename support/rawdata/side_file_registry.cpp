#include "rawdata/side_file_registry.h"

namespace dsup {

namespace {

constexpr WCHAR sideFileExtension[] = TEXT(".tmp");
constexpr std::size_t sideFileExtensionLength = sizeof sideFileExtension / sizeof(WCHAR) - 1;
constexpr WCHAR suffixMark = TEXT('~');
constexpr unsigned decimalBase = 10;
constexpr std::size_t largestSuffixLength = 3;  // the mark and two digits: limit below 100
static_assert(sideFilesInUseLimit < decimalBase * decimalBase, "every suffix fits two digits");

// An empty slot is free.
WCHAR claimedPaths[sideFilesInUseLimit][sideFilePathUnits];
SRWLOCK claimedPathsLock = SRWLOCK_INIT;

class RegistryLock {
 public:
  RegistryLock() { AcquireSRWLockExclusive(&claimedPathsLock); }
  ~RegistryLock() { ReleaseSRWLockExclusive(&claimedPathsLock); }
  RegistryLock(const RegistryLock&) = delete;
  RegistryLock& operator=(const RegistryLock&) = delete;
};

WCHAR folded(WCHAR unit) {
  if (unit >= TEXT('a') && unit <= TEXT('z')) return static_cast<WCHAR>(unit - TEXT('a') + TEXT('A'));
  return unit == TEXT('/') ? TEXT('\\') : unit;
}

bool samePath(const WCHAR* a, const WCHAR* b) {
  for (; folded(*a) == folded(*b); ++a, ++b)
    if (*a == 0) return true;
  return false;
}

bool inUse(const WCHAR* path) {
  for (const WCHAR* claimed : claimedPaths)
    if (claimed[0] != 0 && samePath(claimed, path)) return true;
  return false;
}

// stem, "~" and the suffix's digits when it is not 0, then ".tmp".
bool composePath(const WCHAR* stem, std::size_t stemLength, unsigned suffix, WCHAR (&path)[sideFilePathUnits]) {
  WCHAR tail[largestSuffixLength + sideFileExtensionLength];
  std::size_t tailLength = 0;
  if (suffix != 0) {
    tail[tailLength++] = suffixMark;
    if (suffix >= decimalBase) tail[tailLength++] = static_cast<WCHAR>(TEXT('0') + suffix / decimalBase);
    tail[tailLength++] = static_cast<WCHAR>(TEXT('0') + suffix % decimalBase);
  }
  for (std::size_t i = 0; i < sideFileExtensionLength; ++i) tail[tailLength++] = sideFileExtension[i];
  if (stemLength + tailLength >= sideFilePathUnits) return false;
  for (std::size_t i = 0; i < stemLength; ++i) path[i] = stem[i];
  for (std::size_t i = 0; i < tailLength; ++i) path[stemLength + i] = tail[i];
  path[stemLength + tailLength] = 0;
  return true;
}

}  // namespace

bool claimSideFilePath(const WCHAR* stem, std::size_t stemLength, WCHAR (&path)[sideFilePathUnits]) {
  const RegistryLock lock;
  for (WCHAR* slot : claimedPaths) {
    if (slot[0] != 0) continue;
    // With a slot free, fewer paths than suffixes are in use: one of the names is free.
    for (unsigned suffix = 0; composePath(stem, stemLength, suffix, path); ++suffix) {
      if (inUse(path)) continue;
      for (std::size_t i = 0; i < sideFilePathUnits; ++i) slot[i] = path[i];
      return true;
    }
    return false;
  }
  return false;
}

void releaseSideFilePath(const WCHAR* path) {
  const RegistryLock lock;
  for (WCHAR* slot : claimedPaths)
    if (slot[0] != 0 && samePath(slot, path)) {
      slot[0] = 0;
      return;
    }
}

}  // namespace dsup
