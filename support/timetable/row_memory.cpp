// The row memory of a timetable: one movable, zero-filled block of rowCount x rowSize bytes,
// created, resized, locked and freed through DSupTTGetMemory. Every block is unlocked again before
// the function returns, except for a lock that the driver asked for.
#include <dsup.h>

#include <cstdint>
#include <cstring>

#include "timetable/driver_messages.h"

namespace dsup::timetable {

namespace {

constexpr UINT rowMemoryFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr WORD operationFlagsMask = 0xF800;

struct Messages {
  WORD exists;
  WORD noMemory;
  WORD tooMany;
};

// The bytes of `rows` rows; no table has more than 65535 rows of 65535 bytes, which fits even a
// 32-bit SIZE_T.
SIZE_T bytesOf(const DSupTTData& table, std::int64_t rows) {
  return static_cast<SIZE_T>(rows) * table.rowSize;
}

bool tooManyRows(HWND dialog, const DSupTTData& table, std::int64_t rows, const Messages& messages) {
  if (rows <= table.maxRows) return false;
  showDriverWarning(dialog, messages.tooMany);
  return true;
}

void* lockRows(const DSupTTData& table) { return GlobalLock(table.hRows); }

// Clears the rows from `first` up to (not including) `end`. The block grew with GMEM_ZEROINIT, so
// a block that cannot be locked holds zeros there already.
void zeroRows(const DSupTTData& table, LONG first, LONG end) {
  if (first < 0) first = 0;  // a count that the driver left below 0
  auto* rows = static_cast<BYTE*>(GlobalLock(table.hRows));
  if (!rows) return;
  std::memset(rows + bytesOf(table, first), 0, bytesOf(table, std::int64_t{end} - first));
  GlobalUnlock(table.hRows);
}

// Reallocates the block for `rows` rows; on success the descriptor names the block and the rows
// from the old count on are zero. Shows the memory message and changes nothing on failure.
bool resizeRows(HWND dialog, DSupTTData& table, LONG rows, const Messages& messages) {
  const HGLOBAL resized = GlobalReAlloc(table.hRows, bytesOf(table, rows), rowMemoryFlags);
  if (!resized) {
    showDriverWarning(dialog, messages.noMemory);
    return false;
  }
  table.hRows = resized;
  if (rows > table.rowCount) zeroRows(table, table.rowCount, rows);
  table.rowCount = rows;
  return true;
}

void freeRows(DSupTTData& table) {
  GlobalFree(table.hRows);
  table.hRows = nullptr;
  table.rowCount = 0;
}

void* createTable(HWND dialog, DSupTTData& table, WORD flags, LONG count, const Messages& messages) {
  if (tooManyRows(dialog, table, count, messages)) return nullptr;
  if (table.hRows) {
    showDriverWarning(dialog, messages.exists);
    return nullptr;
  }
  const HGLOBAL rows = GlobalAlloc(rowMemoryFlags, bytesOf(table, count));
  if (!rows) {
    showDriverWarning(dialog, messages.noMemory);
    return nullptr;
  }
  table.hRows = rows;
  table.rowCount = count;
  return (flags & TTMEM_LOCK) ? lockRows(table) : nullptr;
}

void* appendRow(HWND dialog, DSupTTData& table, WORD flags, const Messages& messages) {
  if (tooManyRows(dialog, table, std::int64_t{table.rowCount} + 1, messages)) return nullptr;
  if (!resizeRows(dialog, table, table.rowCount + 1, messages)) return nullptr;
  return (flags & TTMEM_LOCK) ? lockRows(table) : nullptr;
}

// The table without its last row: a block of no bytes is no table (its only row goes, or its rows
// have no bytes; a count that its driver left at 0 or below frees it too).
void removeLastRow(HWND dialog, DSupTTData& table, const Messages& messages) {
  const std::int64_t rowsLeft = std::int64_t{table.rowCount} - 1;
  if (rowsLeft <= 0 || table.rowSize == 0) {
    freeRows(table);
    return;
  }
  resizeRows(dialog, table, static_cast<LONG>(rowsLeft), messages);
}

}  // namespace

}  // namespace dsup::timetable

using namespace dsup::timetable;

extern "C" DSUP_API void* DSUP_CALL DSupTTGetMemory(HWND dialog, DSupTTData* table, WORD operation, WORD existsMsg,
                                                    WORD noMemoryMsg, WORD tooManyMsg) noexcept {
  if (!table) return nullptr;
  const Messages messages{existsMsg, noMemoryMsg, tooManyMsg};
  const auto flags = static_cast<WORD>(operation & operationFlagsMask);
  LONG count = operation & TTMEM_COUNT_MASK;
  if (!table->hRows) {
    if (!(flags & TTMEM_ADD)) return nullptr;
    if (count == 0) count = 1;
  }
  if (count != 0) {
    if (flags & TTMEM_ADD) return createTable(dialog, *table, flags, count, messages);
    if (flags & TTMEM_RESIZE) {
      if (!tooManyRows(dialog, *table, count, messages)) resizeRows(dialog, *table, count, messages);
    }
    return nullptr;
  }
  if (flags & TTMEM_UNLOCK) {
    GlobalUnlock(table->hRows);
    return nullptr;
  }
  if (flags == TTMEM_LOCK) return lockRows(*table);
  if (flags & TTMEM_ADD) return appendRow(dialog, *table, flags, messages);
  if (flags & TTMEM_RESIZE) {
    removeLastRow(dialog, *table, messages);
    return nullptr;
  }
  if (flags & TTMEM_FREE) freeRows(*table);
  return nullptr;
}
