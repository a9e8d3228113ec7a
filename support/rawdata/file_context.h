// The file context behind every raw data handle: one block of movable, zero-filled global memory
// whose fixed fields are followed by the write cache. Every operation locks the handle, works on
// the locked block and unlocks it before it returns.
#pragma once

#include <windows.h>

#include <bit>
#include <cstddef>
#include <cstdint>

// Text sizes of the context, in code units with the terminator.
namespace dsup {
inline constexpr std::size_t fileNameUnits = 45;
inline constexpr std::size_t directoryUnits = 256;
inline constexpr std::size_t sideFilePathUnits = 301;
inline constexpr std::size_t tagTextUnits = 4;
}  // namespace dsup

struct RwdFileContext {
  WCHAR fileName[dsup::fileNameUnits];                // file name without directory
  WCHAR sideFileDirectory[dsup::directoryUnits];      // spectra: directory of the index side file
  WCHAR sideFilePath[dsup::sideFilePathUnits];        // spectra: built when first needed
  WCHAR tagText[dsup::tagTextUnits];                  // short caller text, kept
  LONG minValue;         // smallest value so far: signed, or a FLOAT's bits for type 179
  LONG maxValue;         // largest value so far, as minValue
  LONG previousValue;    // last integer value encoded (difference base)
  LONG firstValue;       // value of the first point, as minValue
  DWORD pointCount;      // points written since creation
  WORD cacheCapacity;    // bytes of cache
  WORD indexEntryCount;  // spectra: entries in the in-memory index
  WORD cachePointCount;  // points now in the cache
  WORD cacheFill;        // bytes now used in the cache
  WORD blockWord;        // header word of the current difference block
  WORD blockOffset;      // position of that word in the cache
  LONG fileType;         // 108, 130, 131, 179 or 181
  WORD spectrumKind;     // spectra: record kind
  WORD indexOpen;        // spectra: 1 while records are indexed
  LONG storeFirstValue;  // 1: each header refresh writes the first value (never cleared)
  LONG firstValueSeen;   // 0 until the first point is written
  LONG sideFileCreated;  // spectra: 1 once the side file exists
  FLOAT sampleInterval;  // milliseconds between two points
  DWORD dataOffset;      // spectra: file offset of the next record
  DWORD spectrumCount;   // spectra: records written
  HGLOBAL indexMemory;   // spectra: movable block of the record index
  HANDLE fileHandle;     // the open data file
  // The difference base at the end of the file's data (previousValue as of the last append that
  // reached the disk). It lies in the alignment gap before lastFlushTime, so the fixed part keeps
  // its size; after an append was lost, the next point is encoded against what the file holds.
  LONG previousValueInFile;
  alignas(8) LONGLONG lastFlushTime;  // calendar seconds of the last flush, or of creation
  BYTE cache[1];  // the first of cacheCapacity bytes; reach the cache through cacheOf()
};

namespace dsup {

// The fixed part of the context, in front of the cache. In the 32-bit layout it is 1296 bytes,
// the figure behind the allocation sizes 7442 (6146-byte cache) and 5394 (spectra, 4098) and the
// largest cache of 64239 bytes. With 64-bit handles the fixed part is larger; allocation sizes are
// always this offset plus the cache size, so cacheCapacity = allocation size - fixed part holds on
// every build, and the cache keeps its 16-bit limit of 64239 bytes.
inline constexpr std::size_t contextFixedSize = offsetof(RwdFileContext, cache);
inline constexpr std::size_t fixedPartOf32BitContext = 1296;
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(contextFixedSize == fixedPartOf32BitContext, "the 32-bit fixed part of the file context is 1296 bytes");
#else
static_assert(contextFixedSize == fixedPartOf32BitContext + 16, "two 8-byte handles and their alignment add 16 bytes");
#endif

inline constexpr WORD minimumSignalCache = 6146;  // the signal header image and its end mark
inline constexpr WORD largestCache = 65535 - fixedPartOf32BitContext;

inline BYTE* cacheOf(RwdFileContext& context) { return reinterpret_cast<BYTE*>(&context) + contextFixedSize; }

// Values of types 108 and 130 are integers; type 179 keeps FLOATs in the same 32-bit fields.
inline FLOAT floatOf(LONG bits) { return std::bit_cast<FLOAT>(bits); }
inline LONG bitsOf(FLOAT value) { return std::bit_cast<LONG>(value); }

// Starting statistics: no point written, extremes that the first point replaces (types 108, 130,
// 181), or 0.0 for both (type 179, whose range therefore always includes 0.0).
void resetPointStatistics(RwdFileContext& context);

// Locks a file context handle for the length of one operation. A handle that cannot be locked,
// or a block that is no file context (a cache larger than the block, an unknown file type, cache
// positions beyond the cache), counts as a failed lock, so that a freed or foreign handle gives
// the caller's lock-failure status instead of a write into memory that is not a cache. Locks nest:
// the data writer holds its lock while its flushes lock again.
class ContextLock {
 public:
  enum class Outcome { locked, notLockable, notAContext };

  explicit ContextLock(HGLOBAL handle);
  ~ContextLock();
  ContextLock(const ContextLock&) = delete;
  ContextLock& operator=(const ContextLock&) = delete;

  explicit operator bool() const { return context_ != nullptr; }
  RwdFileContext& operator*() const { return *context_; }
  RwdFileContext* operator->() const { return context_; }
  Outcome outcome() const { return outcome_; }

 private:
  HGLOBAL handle_;
  RwdFileContext* context_ = nullptr;
  Outcome outcome_ = Outcome::notLockable;
};

}  // namespace dsup
