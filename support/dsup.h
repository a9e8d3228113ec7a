/*
 * Driver support library (QXDSUP01): the one public header.
 *
 * Instrument drivers of the chromatography data system call this library to record raw data
 * files (signal and spectra files), to run their method dialogs as standard dialogs with one
 * behaviour for data entry and validation, to edit timetables, and to read and parse text files.
 *
 * Every function runs on the caller's thread and returns when its work is done; the library starts
 * no threads. Calls on one raw data handle from several threads run one after the other, each
 * whole; a dialog must be used by one thread at a time. Nothing is thrown across this interface:
 * results are status numbers, handles or booleans.
 *
 * Texts are zero-terminated UTF-16 (WCHAR) unless a function says it takes single-byte text.
 * Integer types have their Windows widths on every host (LONG and BOOL 32 bits, WORD 16 bits).
 * Records that cross the interface keep the field order and packing stated with them; when built
 * for 32 bits they have the layout that drivers of other modules rely on, which the static
 * assertions below pin.
 *
 * Compiles as C and as C++.
 */
#ifndef QXDSUP01_DSUP_H
#define QXDSUP01_DSUP_H

#include <stddef.h>
#include <stdint.h>
#include <windows.h>

#if defined(_WIN32)
#if defined(QXDSUP01_BUILD)
#define DSUP_API __declspec(dllexport)
#else
#define DSUP_API __declspec(dllimport)
#endif
#elif defined(QXDSUP01_BUILD)
#define DSUP_API __attribute__((visibility("default")))
#else
#define DSUP_API
#endif

/* Calling convention of the exports: WINAPI (stdcall in the 32-bit build), except for the
 * functions with a variable argument list, which are cdecl. */
#define DSUP_CALL WINAPI
#if defined(_WIN32)
#define DSUP_CDECL __cdecl
#else
#define DSUP_CDECL
#endif

/* Nothing is thrown across the interface: in C++ every export is noexcept. */
#if defined(__cplusplus)
#define DSUP_NOEXCEPT noexcept
#define DSUP_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define DSUP_NOEXCEPT
#define DSUP_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
#define DSUP_32BIT_LAYOUT 1
#else
#define DSUP_32BIT_LAYOUT 0
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ==== Records that cross the interface ======================================================= */

/* The parameter block from which a raw data file header is built. Drivers fill it for
 * DSupRwdCreateSpectraFile; the signal file creators fill one from their arguments. Texts are
 * zero-terminated; each array's size counts the terminator. Packed to 2 bytes, as callers in
 * other modules rely on. */
#pragma pack(push, 2)
typedef struct RwdHeaderParameters {
  WCHAR text2492[10];           /* header offset 2492, at most 9 characters */
  double value3085;             /* spectra: header offset 3085 */
  WCHAR text3093[16];           /* spectra: header offset 3093 */
  WORD spectrumKind;            /* spectra: record kind; header offsets 342 and 3134 */
  WCHAR text3136[62];           /* spectra: header offset 3136 */
  WCHAR directory[256];         /* spectra: directory of the data file, ending in a separator */
  WCHAR fileName[45];           /* spectra: file name */
  WCHAR sideFileDirectory[256]; /* spectra: directory of the index side file */
  WCHAR tagText[4];             /* spectra: short caller text kept in the context */
  WCHAR dateTime[50];           /* header offset 2391 */
  LONG status;                  /* spectra: set to 1 when creation fails; left alone on success */
  WCHAR text1880[31];           /* header offset 1880 */
  WCHAR text858[63];            /* header offset 858 */
  WCHAR text2574[45];           /* header offset 2574 */
  LONG bottleNumber;            /* header offsets 244 (32 bits) and 254 (low 16 bits) */
  WORD word252;                 /* header offset 252 when nonzero */
  WORD word256;                 /* header offset 256 when word252 is nonzero */
} RwdHeaderParameters;
#pragma pack(pop)

DSUP_STATIC_ASSERT(sizeof(RwdHeaderParameters) == 1698, "RwdHeaderParameters is 1698 bytes");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, value3085) == 20, "value3085 at 20");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, spectrumKind) == 60, "spectrumKind at 60");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, directory) == 186, "directory at 186");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, fileName) == 698, "fileName at 698");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, sideFileDirectory) == 788, "sideFileDirectory at 788");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, dateTime) == 1308, "dateTime at 1308");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, status) == 1408, "status at 1408");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, text1880) == 1412, "text1880 at 1412");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, bottleNumber) == 1690, "bottleNumber at 1690");
DSUP_STATIC_ASSERT(offsetof(RwdHeaderParameters, word256) == 1696, "word256 at 1696");

/* The descriptor of one spectrum, given with its values to DSupRwdWriteSpectrumRecord, in host byte
 * order. The record keeps all of it; the record index keeps `value` and fields[3]. The extension is
 * read only for files of spectrum kind 1 (one 32-bit value) or 2 (two 16-bit values): for other
 * kinds a descriptor of the first 12 bytes is enough. */
typedef struct RwdSpectrumDescriptor {
  LONG value;
  WORD fields[4];
  union {
    DWORD kind1;
    WORD kind2[2];
  } extension;
} RwdSpectrumDescriptor;

DSUP_STATIC_ASSERT(sizeof(RwdSpectrumDescriptor) == 16, "RwdSpectrumDescriptor is 16 bytes");
DSUP_STATIC_ASSERT(offsetof(RwdSpectrumDescriptor, fields) == 4, "fields at 4");
DSUP_STATIC_ASSERT(offsetof(RwdSpectrumDescriptor, extension) == 12, "extension at 12");

/* A driver's descriptor of a timetable: its row memory and the editor's state. Owned by the
 * driver; the library reads and updates it in place. */
typedef struct DSupTTData {
  HGLOBAL hRows;      /* movable block of rowCount rows of rowSize bytes; null while empty */
  WORD rowSize;       /* bytes per row (driver) */
  WORD maxRows;       /* most rows the table may hold (driver) */
  LONG rowCount;      /* rows in hRows */
  LONG selRow;        /* moving end of the selected row range; -1 = none */
  LONG anchorRow;     /* fixed end of the selected row range; -1 = none */
  LONG endLineWidth;  /* width in characters of the end-of-table line (driver) */
  DWORD msgBase;      /* first of six private window messages sent to the dialog (driver) */
  BOOL enterPending;  /* nonzero while the Enter button is enabled */
  BOOL selShown;      /* nonzero while the selection highlight is shown */
  BOOL fromScroller;  /* nonzero while an Enter runs on behalf of a scroller click */
  LONG nextClickTime; /* millisecond time before which scroller clicks are ignored */
} DSupTTData;

/* Operation flags of DSupTTGetMemory; the low 11 bits of the operation word are a row count. */
#define TTMEM_LOCK 0x8000
#define TTMEM_ADD 0x4000
#define TTMEM_FREE 0x2000
#define TTMEM_UNLOCK 0x1000
#define TTMEM_RESIZE 0x0800
#define TTMEM_COUNT_MASK 0x07FF

#if DSUP_32BIT_LAYOUT
DSUP_STATIC_ASSERT(sizeof(DSupTTData) == 44, "DSupTTData is 44 bytes");
DSUP_STATIC_ASSERT(offsetof(DSupTTData, rowCount) == 8, "rowCount at 8");
DSUP_STATIC_ASSERT(offsetof(DSupTTData, nextClickTime) == 40, "nextClickTime at 40");
#else
DSUP_STATIC_ASSERT(sizeof(DSupTTData) == 48, "DSupTTData: a 64-bit handle, then 40 bytes");
DSUP_STATIC_ASSERT(offsetof(DSupTTData, rowCount) == 12, "rowCount at 12");
DSUP_STATIC_ASSERT(offsetof(DSupTTData, nextClickTime) == 44, "nextClickTime at 44");
#endif

/* A driver's record of the stop and post times of a method dialog. */
typedef struct DSupRunTimeData {
  LONG stopAlternate; /* 1 while the stop time shows its alternate pair of controls */
  FLOAT compareTime;  /* stop mode 4: a time the stop time should not exceed; 0 or less: none */
  LONG postOff;       /* 1 while the post time is "Off" */
  LONG stopState;     /* 1 entry field, 2 "Off", 3 the alternate pair */
  LONG stopMode;      /* 1 to 5: which presentations the stop-time toggle steps through */
  FLOAT stopTime;
  FLOAT postTime;
} DSupRunTimeData;

DSUP_STATIC_ASSERT(sizeof(DSupRunTimeData) == 28, "DSupRunTimeData is seven 32-bit fields");
DSUP_STATIC_ASSERT(offsetof(DSupRunTimeData, postTime) == 24, "postTime at 24");

/* The head of a compiled parse table. A table is a byte image (numbers little-endian): this head
 * of four offsets from the start of the table, then the entry directory, the keyword index, the
 * string pool and the program at those offsets. A driver points a ParseTable pointer at its
 * table's bytes. */
typedef struct ParseTable {
  SHORT entryDirectoryOffset;
  SHORT keywordIndexOffset;
  SHORT stringPoolOffset;
  SHORT programOffset;
} ParseTable;

DSUP_STATIC_ASSERT(sizeof(ParseTable) == 8, "ParseTable head is four 16-bit offsets");

#define DSUP_PARSE_TEXT_SIZE 81

/* The state of one parse, owned by the caller, who reads the results out of it between calls of
 * DSupParseNext. Byte-packed: no gaps between fields. */
#pragma pack(push, 1)
typedef struct ParseState {
  const BYTE* entryDirectory;     /* the table's entry directory */
  const BYTE* keywordIndex;       /* the table's keyword index */
  const BYTE* stringPool;         /* the table's string pool */
  const BYTE* program;            /* the table's program */
  const char* cursor;             /* next character of the text */
  const BYTE* instruction;        /* the current instruction */
  SHORT pc;                       /* index of the current instruction */
  DWORD step;                     /* next step of the current instruction, 0 to 3 */
  SHORT branchArmed;              /* nonzero while a jump waits for the next test */
  SHORT branchOnFailure;          /* 0: the waiting jump is taken on a match; 1: on a failure */
  WORD branchTarget;              /* instruction index of the waiting jump */
  WORD tag;                       /* set by SET_TAG */
  char separator;                 /* separator of SKIP_TO_SEPARATOR and SKIP_FIELD */
  char quote;                     /* quote character of SKIP_FIELD, 0 for none */
  WORD resultCode;                /* operand of the last YIELD */
  char matchedChar;               /* character matched by CHARSET */
  SHORT shortValue;               /* read by SHORT_INT */
  LONG longValue;                 /* read by LONG_INT */
  double realValue;               /* read by REAL */
  char text[DSUP_PARSE_TEXT_SIZE];/* read by TEXT_UNTIL and TEXT_COUNT, zero-terminated */
} ParseState;
#pragma pack(pop)

#if DSUP_32BIT_LAYOUT
DSUP_STATIC_ASSERT(sizeof(ParseState) == 138, "ParseState is 138 bytes");
DSUP_STATIC_ASSERT(offsetof(ParseState, pc) == 24, "pc at 24");
DSUP_STATIC_ASSERT(offsetof(ParseState, separator) == 38, "separator at 38");
DSUP_STATIC_ASSERT(offsetof(ParseState, realValue) == 49, "realValue at 49");
DSUP_STATIC_ASSERT(offsetof(ParseState, text) == 57, "text at 57");
#else
DSUP_STATIC_ASSERT(sizeof(ParseState) == 162, "ParseState: six 64-bit pointers, then 114 bytes");
DSUP_STATIC_ASSERT(offsetof(ParseState, pc) == 48, "pc at 48");
DSUP_STATIC_ASSERT(offsetof(ParseState, separator) == 62, "separator at 62");
DSUP_STATIC_ASSERT(offsetof(ParseState, realValue) == 73, "realValue at 73");
DSUP_STATIC_ASSERT(offsetof(ParseState, text) == 81, "text at 81");
#endif

/* ==== Callbacks of the standard dialog ======================================================== */

/* Sees every message first. Returns nonzero when it consumed the message: the dialog procedure
 * then returns the value the hook left in *result (set to 0 before the call). */
typedef BOOL(CALLBACK* DSupMessageHook)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT* result);

/* Checks the field `fieldId` that the user changed; `reason` is 0x200 (the field lost the focus),
 * 0x100 (another field received the focus; its id is `focusId`) or 0 (a button or a command).
 * Reports an error by marking the field; the result is not used. */
typedef BOOL(CALLBACK* DSupFieldCheckProc)(HWND dialog, WORD reason, INT fieldId, INT focusId);

/* A command of a control or menu. For the Cancel button, nonzero ends the dialog with 0; the
 * result is not used otherwise. */
typedef BOOL(CALLBACK* DSupCommandProc)(HWND dialog, INT commandId);

/* The user changed the field `fieldId`; the result is not used. */
typedef BOOL(CALLBACK* DSupFieldChangeProc)(HWND dialog, INT fieldId);

/* The check function of DSupCheckDialogFloatWithFunction: nonzero accepts the value. */
typedef LONG(CALLBACK* DSupFloatCheckFunction)(HWND dialog, INT fieldId, double value);

/* ==== Byte order ============================================================================== */

/* File headers are big-endian. Each function reverses the bytes of its argument whatever the
 * host's byte order: on the little-endian host a value becomes its big-endian image and an image
 * read from a file becomes its value. */

/* The 16-bit value with its two bytes exchanged. */
DSUP_API WORD DSUP_CALL DSupFlipInteger(WORD value) DSUP_NOEXCEPT;

/* The 32-bit value with its four bytes in reverse order; the sign plays no part. */
DSUP_API LONG DSUP_CALL DSupFlipLong(LONG value) DSUP_NOEXCEPT;

/* The 64-bit value with its eight bytes in reverse order; the sign plays no part. */
DSUP_API LONGLONG DSUP_CALL DSupFlipInt64(LONGLONG value) DSUP_NOEXCEPT;

/* Writes the eight bytes of the double's IEEE-754 image in reverse order to `bytes` (the result
 * is a byte image, not a double). REQUIRES: bytes has room for 8 bytes. */
DSUP_API void DSUP_CALL DSupFlipDouble(double value, BYTE* bytes) DSUP_NOEXCEPT;

/* ==== Raw data files ========================================================================= */

/* A driver records a run into a raw data file through a file context handle: a handle of movable
 * global memory that the creation function returns and that the driver owns until it passes it to
 * DSupRwdCloseRawdataFile or DSupRwdDeleteRawdataFile. Every function locks the handle for the
 * length of the call and unlocks it before returning. A handle of 0, a freed handle or a handle
 * of something else makes a function return its lock-failure status; it is never touched. Calls
 * on one handle from several threads run one after the other, each whole, so the file stays well
 * formed (a call after the handle was closed on another thread finds a freed handle).
 *
 * Signal files (types 108, 130, 179, 181) have a 6144-byte header, numbers big-endian; the data
 * section follows at 6144 and, except for type 179, ends with two zero bytes (the end mark).
 * Points go into a write cache in the context that is appended to the file at most every 10
 * seconds or when it is full; each append first refreshes the header's summary fields (extremes,
 * first value, block count, end time). */

/* The file context behind a handle. Drivers reach it only through GlobalLock of the handle, for
 * RwdInitCache. */
typedef struct RwdFileContext RwdFileContext;

/* Creates a signal file of `fileType` (108, 130, 179 or 181) at directory + fileName (plain
 * concatenation: the directory ends in a path separator), replacing a file of that name, and
 * writes its complete header (and end mark) at once. `rateCode` gives the rate: 20 / 2^rateCode
 * points per second for type 108; for the others, low 16 bits / high 16 bits points per second.
 * Texts go to the header fields they name, cut to the field's limit (text4172 20, text4213 255,
 * text1880 30, text858 62, text2574 44, dateTime 49 characters, every line feed of dateTime
 * stored as a space); text2492 is stored only when it has at most 9 characters. tagText (3) and
 * sideFileDirectory (255) are kept in the context. Null texts count as empty.
 * Returns the file context handle; *status is left alone.
 * On failure returns 0 and sets *status (when status is not null) to 1: another type, a rate that
 * is not a positive finite number, a directory over 255 or a file name over 44 characters, no
 * memory, the file could not be created (one that this process records is never replaced) or the
 * header was not completely written. Nothing is left behind: no memory, and no file unless one
 * existed before. */
DSUP_API HGLOBAL DSUP_CALL DSupRwdCreateRawdataFile(
    LPCWSTR text2492, DWORD rateCode, LPCWSTR text4172, LPCWSTR text4213, double factor4732, LPCWSTR directory,
    LPCWSTR fileName, LPCWSTR sideFileDirectory, LONG* status, LONG fileType, LPCWSTR tagText, LPCWSTR text1880,
    LPCWSTR text858, LPCWSTR text2574, LPCWSTR dateTime, LONG bottleNumber, WORD word252,
    WORD word256) DSUP_NOEXCEPT;

/* Creates a signal file of type 130 as DSupRwdCreateRawdataFile does, with two differences: the
 * cache always has the smallest size (6146 bytes, the header image), and header offset 858 holds
 * the text "TestData" whatever `text858` says. Any other fileType fails: 0 and *status 1. */
DSUP_API HGLOBAL DSUP_CALL DSupRwdCreateNRawdataFile(
    LPCWSTR text2492, DWORD rateCode, LPCWSTR text4172, LPCWSTR text4213, double factor4732, LPCWSTR directory,
    LPCWSTR fileName, LPCWSTR sideFileDirectory, LONG* status, LONG fileType, LPCWSTR tagText, LPCWSTR text1880,
    LPCWSTR text858, LPCWSTR text2574, LPCWSTR dateTime, LONG bottleNumber, WORD word252,
    WORD word256) DSUP_NOEXCEPT;

/* Appends `count` points to a signal file: LONG values for types 108 and 130 (difference blocks),
 * doubles for types 179 (stored as they are) and 181 (rounded down to 48-bit integers; beyond that
 * range the nearest limit, a value that is not a number as 0). A count of 0 or less, or null
 * values, writes no point. A nearly full cache is flushed first; the call ends with the timed
 * flush (maximum age 10 seconds).
 * Returns 0 when every point is in the cache or the file.
 * Returns 10 when the handle cannot be locked (nothing written); the status of a failed flush
 * (1003, 1004): when the forced flush failed the points from the failing one on are not written;
 * after a failed append the cached points are lost and the file ends as before that append. */
DSUP_API LONG DSUP_CALL DSupRwdWriteRawdata(HGLOBAL handle, const void* values, LONG count) DSUP_NOEXCEPT;

/* Flushes the cache when it holds data and it is `maximumAge` seconds or more since the last flush
 * (or the clock shows the same second as the last flush, or an earlier one); 0 forces the flush.
 * A flush refreshes the header, appends the cache over the end mark and empties the cache.
 * Returns 0 when the cache was appended or nothing had to be written.
 * Returns 1010 when the handle cannot be locked; 1003 or 1004 when the header refresh failed
 * (nothing appended, the cache keeps its points for the next flush); 1004 when the append was not
 * complete: the file is cut back to its length before the append (with its end mark), the cached
 * points are lost and the header describes the points in the file. A spectra file's cached
 * records are not lost: they stay in the cache for the next flush, since the record index already
 * names the offsets at which they start. */
DSUP_API LONG DSUP_CALL DSupRwdWriteCache(HGLOBAL handle, WORD maximumAge) DSUP_NOEXCEPT;

/* Empties the cache of a locked context (no points, the first difference block reserved for types
 * 108 and 130). Nothing is written. REQUIRES: context from GlobalLock of a file context handle. */
DSUP_API void DSUP_CALL RwdInitCache(RwdFileContext* context) DSUP_NOEXCEPT;

/* Reads the big-endian 32-bit value at `offset` from the start of the file. Returns the value and
 * sets *failed (when not null) to 0; when the read fails or fewer than 4 bytes were read, returns
 * 0 and sets *failed to 1, as for a negative offset (nothing is read). Moves the file pointer. */
DSUP_API LONG DSUP_CALL RwdReadLongFromFile(HANDLE file, LONG offset, LONG* failed) DSUP_NOEXCEPT;

/* Writes `value` big-endian at `offset` from the start of the file (a FLOAT through its bits).
 * Returns 0 when all 4 bytes were written, 4 otherwise (a negative offset writes nothing). Moves the
 * file pointer. */
DSUP_API LONG DSUP_CALL RwdWriteLongToFile(HANDLE file, LONG offset, LONG value) DSUP_NOEXCEPT;

/* Flushes the cache a last time and closes the file; frees the context and sets *handle to 0 in
 * every case. A spectra file is finished first: its record index is written behind the last record
 * and the header's indexOffset and spectrumTotal point to it; its side file is deleted. A variable
 * holding 0 (or a null pointer) gives 0 and does nothing.
 * Returns 0 when every point or record reached the file and it closed.
 * Returns 8 when the handle cannot be locked (a handle of memory that is no file context is left
 * alone, any other is freed); the status of the failed last flush (1003, 1004; a spectra file is
 * then left unfinished, with its records and end mark); 1004 when the file did not close cleanly
 * or a spectra file's index could not be written (the file is left unfinished). */
DSUP_API LONG DSUP_CALL DSupRwdCloseRawdataFile(HGLOBAL* handle) DSUP_NOEXCEPT;

/* Closes *handle as DSupRwdCloseRawdataFile does when it is not 0 (its status is not reported),
 * then deletes directory + fileName. Returns 0 when the file was deleted, 5 when it was not
 * (missing, in use, no right, or a directory over 255 or a name over 44 characters). */
DSUP_API LONG DSUP_CALL DSupRwdDeleteRawdataFile(HGLOBAL* handle, LPCWSTR directory,
                                                 LPCWSTR fileName) DSUP_NOEXCEPT;

/* The header field writers write straight into the file at the field's offset; they do not touch
 * the cache. Each returns 0 when written, 8 when the handle cannot be locked, 4 when a write
 * failed (fields written before it stay written; a text is written whole or not at all), and
 * DSupRwdWriteStartTime 3 when the end time could not be read. Texts longer than the field's
 * limit are cut to it; a null text is empty. */

/* The barcode text at 1369, at most 127 characters. */
DSUP_API LONG DSUP_CALL DSupRwdWriteBarcode(HGLOBAL handle, LPCWSTR barcode) DSUP_NOEXCEPT;

/* The 16-bit bottle number at 254; the 32-bit copy at 244 keeps its creation value. */
DSUP_API LONG DSUP_CALL DSupRwdWriteBottleNumber(HGLOBAL handle, WORD bottleNumber) DSUP_NOEXCEPT;

/* The date and time text at 2391, at most 49 characters, stored as given (line feeds kept). */
DSUP_API LONG DSUP_CALL DSupRwdWriteDateTime(HGLOBAL handle, LPCWSTR dateTime) DSUP_NOEXCEPT;

/* The 16-bit data type at 5524. A spectra file's handle gives 4 and nothing is written. */
DSUP_API LONG DSUP_CALL DSupRwdWriteDataType(HGLOBAL handle, WORD dataType) DSUP_NOEXCEPT;

/* The GLP information, in this order: glpFlag 1 at 314, `number` at 3085, text1 at 3089 (31
 * characters), `byte` at 3600, text2 at 3601 (49), text3 at 3802 (19); stops at the first failed
 * write. A spectra file's handle gives 4 and nothing is written. */
DSUP_API LONG DSUP_CALL DSupRwdWriteGLPInfo(HGLOBAL handle, LONG number, BYTE byte, LPCWSTR text1,
                                            LPCWSTR text2, LPCWSTR text3) DSUP_NOEXCEPT;

/* The inlet text at 2215, at most 87 characters. */
DSUP_API LONG DSUP_CALL DSupRwdWriteInlet(HGLOBAL handle, LPCWSTR inlet) DSUP_NOEXCEPT;

/* The start time at 282 (milliseconds: an integer for types 108, 130 and spectra files, a FLOAT's
 * bits for types 179 and 181), and adds it to the end time at 286, so that a start time that
 * arrives after data keeps the end time right. A second call before the next flush adds again;
 * the next flush's header refresh sets the end time right. */
DSUP_API LONG DSUP_CALL DSupRwdWriteStartTime(HGLOBAL handle, LONG startTime) DSUP_NOEXCEPT;

/* ==== Spectra files and snapshots =========================================================== */

/* A spectra file (type 131) holds spectrum records behind a 4096-byte header. While it is recorded
 * its records end with the end mark; closing finishes it with a record index (little-endian: "D",
 * 0, the 32-bit length 6 + 10 × entries, one 10-byte entry per record with its offset, descriptor
 * value and fourth descriptor field, then 2 or 4 zero bytes), and the header's indexOffset (260)
 * and spectrumTotal (278) point to it. The entries wait in memory, at most 203 at a time; beyond
 * that they move to a side file in the side directory named after the data file, its extension
 * replaced by ".tmp" (RUN1.CH gives RUN1.tmp). Spectra files recorded at the same time by one
 * process never share a side file: while one uses RUN1.tmp, another gets RUN1~1.tmp, and so on. */

/* Creates the spectra file parameters->directory + parameters->fileName (replacing a file of that
 * name), writes its header (with the spectra fields spectrumKind, value3085, text3093 and text3136)
 * and its end mark: the file is 4098 bytes long. Returns the file context handle;
 * parameters->status is left alone. On failure returns 0 and sets parameters->status to 1 (no
 * memory, the file could not be created or its header not completely written); nothing is left
 * behind. */
DSUP_API HGLOBAL DSUP_CALL DSupRwdCreateSpectraFile(RwdHeaderParameters* parameters) DSUP_NOEXCEPT;

/* Appends one spectrum record to the spectra file of *handle: the descriptor and `count` values,
 * difference-coded ("C": 2 bytes per value, 6 for a jump beyond ±32767, starting from 0 in every
 * record) when `differences` is nonzero, else absolute ("A": 4 bytes each); and adds its entry to
 * the record index. The record waits in the cache for the timed flush (10 seconds). The context
 * block is resized for every record and may move: *handle receives the handle that is valid
 * afterwards, which the caller must use from then on.
 * Returns 0 when the record and its entry were taken.
 * Returns 10010 when the handle cannot be locked; 12000 when it is not a spectra file's (nothing
 * written); 10008 when the record cannot be represented (a negative count, more than 10918 values,
 * null values with a count, a null descriptor) or the context cannot grow even after the cached
 * records were flushed (nothing written, the handle stays usable); 10000 + the flush's status
 * (11004) when the forced flush before the record failed (the record was not taken) or the timed
 * flush after it failed (the record was taken: the records wait in the cache for the next flush);
 * 12008 or 12010 when the index block cannot grow or be locked, and 12000 + 101, 102, 104, 106 or
 * 110 when the entries in memory could not be moved to the side file (they are given up): the record
 * is in the cache all the same, but the index lacks its entry (or those entries). */
DSUP_API LONG DSUP_CALL DSupRwdWriteSpectrumRecord(HGLOBAL* handle, const RwdSpectrumDescriptor* descriptor,
                                                   const LONG* values, LONG count, BOOL differences) DSUP_NOEXCEPT;

/* Copies the file being recorded to directory + its file name (replacing a file of that name) after
 * a forced flush, while recording goes on: the copy holds every point or record given so far, and a
 * spectra file's copy is finished with its record index (the data file keeps its end mark).
 * Returns 0 when the copy is complete.
 * Returns 6 for a handle of 0, a directory over 255 characters, or a copy that could not be created
 * (among others a copy into the data file's own directory: the data file stays intact); 8 when the
 * handle cannot be locked; the forced flush's status (1003, 1004); 3 when the data file could not
 * be read; 7 when the copy was not completely written, its index could not be written, or it did
 * not close cleanly. A failed copy may be left on disk; the data file and the handle stay usable. */
DSUP_API LONG DSUP_CALL DSupRwdRawdataSnapshot(HGLOBAL handle, LPCWSTR directory) DSUP_NOEXCEPT;

/* ==== Standard dialogs, field access and validation =========================================== */

/* A driver shows its method and configuration dialogs as standard dialogs: modal dialogs run by the
 * library's dialog procedure with a data block of their own, the driver's callbacks (the types
 * above) and an area of the driver's own of any size. A field that the user changed is checked by
 * the driver's field check when the user leaves it; a field in error holds the focus until it is
 * corrected; Enter activates the dialog's Enter button; Cancel and the buttons 30000 to 30100 never
 * start a field check; a dialog whose permission the current user lacks is read-only.
 *
 * The functions below that take a dialog window do nothing (or return 0 or null) for a window
 * that is not a running standard dialog, unless they say they work on any dialog. */

/* Private dialog messages of standard dialogs. WM_DSUPCHECKFIELD (posted when a field loses the
 * focus: wParam its id, lParam its window) runs the deferred field check; WM_DSUPENTERDEFAULT
 * (wParam 1 or 0) shows the Enter button as the default button or as a plain one. */
#define WM_DSUPCHECKFIELD (WM_USER + 2000)
#define WM_DSUPENTERDEFAULT (WM_USER + 2001)

/* Runs a standard dialog from template `templateValue` of `instance` (passed on whole to the
 * host's dialog function), owned by the first visible window among `owner` and its parents, and
 * returns when it has ended: the value the driver gave EndDialog, 0 when the user cancelled
 * through the standard Cancel handling (commandProc returned nonzero for IDCANCEL), or -1 when
 * the dialog could not be started (no memory, `owner` not a window or no visible window above it,
 * a standard dialog of that owner running already, no such template); nothing is shown then.
 * `enterButtonId`: the button that Enter activates (0 none, 1 OK, -1 none and Cancel becomes the
 * default button); `enterDefaultAtStart` (low 8 bits): the Enter button looks like the default
 * button from the start; `keepFocusButtonId` (low 16 bits compared): a button whose click puts
 * the focus back into the current field; `callerDataSize` bytes, zero-filled, for the driver
 * (DSupGetStandardDialogData); the callbacks may be null; `initParam` is the lParam of
 * WM_INITDIALOG. The dialog is editable for everybody. */
DSUP_API INT DSUP_CALL DSupInitDlg(HWND owner, HINSTANCE instance, DWORD templateValue, LONG enterButtonId,
                                   INT enterDefaultAtStart, LONG keepFocusButtonId, DWORD callerDataSize,
                                   DSupMessageHook messageHook, DSupFieldCheckProc fieldCheckProc,
                                   DSupCommandProc commandProc, DSupFieldChangeProc fieldChangeProc,
                                   DLGPROC dialogProc, LPARAM initParam) DSUP_NOEXCEPT;

/* As DSupInitDlg; the dialog is read-only (DSupDialogIsReadOnly) for a user who does not hold
 * permission `permissionNumber` when that is above 0. */
DSUP_API INT DSUP_CALL DSupInitDlgEx(HWND owner, HINSTANCE instance, DWORD templateValue, LONG enterButtonId,
                                     INT enterDefaultAtStart, LONG keepFocusButtonId, DWORD callerDataSize,
                                     DSupMessageHook messageHook, DSupFieldCheckProc fieldCheckProc,
                                     DSupCommandProc commandProc, DSupFieldChangeProc fieldChangeProc,
                                     DLGPROC dialogProc, LPARAM initParam, LONG permissionNumber) DSUP_NOEXCEPT;

/* As DSupInitDlg without a message hook, with a 16-bit template number (the low 16 bits of
 * `templateNumber`). */
DSUP_API INT DSUP_CALL DSupInitializeStandardDialog(HWND owner, HINSTANCE instance, UINT templateNumber,
                                                    LONG enterButtonId, INT enterDefaultAtStart,
                                                    LONG keepFocusButtonId, DWORD callerDataSize,
                                                    DSupFieldCheckProc fieldCheckProc, DSupCommandProc commandProc,
                                                    DSupFieldChangeProc fieldChangeProc, DLGPROC dialogProc,
                                                    LPARAM initParam) DSUP_NOEXCEPT;

/* As DSupInitializeStandardDialog, read-only without permission `permissionNumber` (DSupInitDlgEx). */
DSUP_API INT DSUP_CALL DSupInitializeStandardDialogEx(HWND owner, HINSTANCE instance, UINT templateNumber,
                                                      LONG enterButtonId, INT enterDefaultAtStart,
                                                      LONG keepFocusButtonId, DWORD callerDataSize,
                                                      DSupFieldCheckProc fieldCheckProc, DSupCommandProc commandProc,
                                                      DSupFieldChangeProc fieldChangeProc, DLGPROC dialogProc,
                                                      LPARAM initParam, LONG permissionNumber) DSUP_NOEXCEPT;

/* The driver's area of the standard dialog (callerDataSize bytes, zero at the start; a valid
 * address also for a size of 0), valid until the creation function returns; null for any other
 * window. */
DSUP_API void* DSUP_CALL DSupGetStandardDialogData(HWND dialog) DSUP_NOEXCEPT;

/* 0 swallows every command message of the dialog (buttons, fields, menus: nothing reaches the
 * callbacks); nonzero turns the standard processing on again. */
DSUP_API void DSUP_CALL DSupEnableVantaDialog(HWND dialog, BOOL enabled) DSUP_NOEXCEPT;

/* Makes button `enterButtonId` the one that Enter activates; the old one loses the default look
 * and the new one, when enabled, gets it before the call returns. */
DSUP_API void DSUP_CALL DSupSetEnterButtonId(HWND dialog, LONG enterButtonId) DSUP_NOEXCEPT;

/* Enables or disables the Enter button (nothing when the dialog has none). */
DSUP_API void DSUP_CALL DSupEnableEnterKey(HWND dialog, BOOL enable) DSUP_NOEXCEPT;

/* 1 when the standard dialog is read-only for the current user (its permission number is above 0
 * and the authorization service, asked anew at every call, says the user lacks it); 0 otherwise,
 * and for any other window. */
DSUP_API BOOL DSUP_CALL DSupDialogIsReadOnly(HWND dialog) DSUP_NOEXCEPT;

/* ---- Numbers in fields: formatting and reading (any dialog) ---------------------------------- */

/* Writes `value` into `buffer` as the text that best fits a field `width` characters wide:
 * fixed-point while the integer digits fit, else the exponent form (1.235e08, 1.2e-003); `digits`
 * n >= 0 asks for n decimals, -n for at most n with trailing zeros dropped (trim mode), in which
 * small values switch to the exponent form when it shows more significant digits. A value that is
 * not finite is written "inf", "-inf" or "nan". A field is taken as at most 77 characters wide and
 * the decimals are bounded to what such a field can show, so that the text, whatever width and
 * digits ask for, is always the whole value (never cut) and shorter than DSUP_FLOAT_TEXT_CAPACITY.
 * REQUIRES: buffer has room for DSUP_FLOAT_TEXT_CAPACITY characters. */
#define DSUP_FLOAT_TEXT_CAPACITY 102
DSUP_API void DSUP_CALL DoubleFormat(LPWSTR buffer, double value, INT width, INT digits) DSUP_NOEXCEPT;

/* The number of average-width characters of the control's font that fit across its client area;
 * 0 when the dialog has no such control or it has no device context. */
DSUP_API INT DSUP_CALL DSupGetDlgItemWidth(HWND dialog, INT id) DSUP_NOEXCEPT;

/* Writes `value` into the control formatted by DoubleFormat for the control's width and `digits`.
 * The write notifies the dialog as any text change does (DSupSetFloatField does not). */
DSUP_API void DSUP_CALL DSupSetDlgItemFloat(HWND dialog, INT id, double value, INT digits) DSUP_NOEXCEPT;

/* Reads the control's text (its first 42 characters) as a number: a sign, digits with an optional
 * decimal point and an optional exponent of at least one digit, blanks around it allowed and
 * nothing else (no inf, nan or hexadecimal texts). Sets *valid (when not null) to 1 when the text
 * is such a number or empty (an empty field, and a missing control, read as 0.0), else to 0; the
 * value is not to be used then. A number beyond the double range reads as infinity with its sign
 * (for a range check to report), one too small for a double as 0. */
DSUP_API double DSUP_CALL DSupGetDlgItemFloat(HWND dialog, INT id, BOOL* valid) DSUP_NOEXCEPT;

/* As DSupGetDlgItemFloat: stores the value through `value` in every case and returns the validity. */
DSUP_API BOOL DSUP_CALL DSupGetDlgItemFloatNew(HWND dialog, INT id, double* value) DSUP_NOEXCEPT;

/* The length of the control's text in characters; 0 when the dialog has no such control. */
DSUP_API INT DSUP_CALL DSupGetDlgItemLength(HWND dialog, INT id) DSUP_NOEXCEPT;

/* ---- Field access ---------------------------------------------------------------------------- */

/* The Set functions write a field of a standard dialog without the write counting as the user's
 * change (the field is not marked as modified, the field change callback is not called); for any
 * other window they write nothing. The Update functions write (as the Set function does) only
 * when the field does not show the value already. Text numbers are texts of the dialog's own
 * module. A missing control is skipped. */
DSUP_API void DSUP_CALL DSupSetTextField(HWND dialog, INT id, LPCWSTR text) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupUpdateTextField(HWND dialog, INT id, LPCWSTR text) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupSetIntField(HWND dialog, INT id, LONG value, BOOL isSigned) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupUpdateIntField(HWND dialog, INT id, LONG value, BOOL isSigned) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupSetFloatField(HWND dialog, INT id, double value, INT digits) DSUP_NOEXCEPT;
/* Compares exactly: a field showing a rounded form of the value is written again. */
DSUP_API void DSUP_CALL DSupUpdateFloatField(HWND dialog, INT id, double value, INT digits) DSUP_NOEXCEPT;
/* Text `textNumber` (at most 99 characters); a number without a text leaves the field alone. */
DSUP_API void DSUP_CALL DSupSetStringField(HWND dialog, INT id, UINT textNumber) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupUpdateStringField(HWND dialog, INT id, UINT textNumber) DSUP_NOEXCEPT;

/* Combo boxes, buttons and enabling, in any dialog. */

/* Selects item `index`; 1 when it was selected, 0 otherwise (also for -1, which clears the
 * selection, and for a missing control). */
DSUP_API BOOL DSUP_CALL DSupSetComboSelect(HWND dialog, INT id, INT index) DSUP_NOEXCEPT;

/* 1 with the selected item's index in *index; 0 (and *index untouched) when nothing is selected
 * or the control is missing. */
DSUP_API BOOL DSUP_CALL DSupGetComboSelect(HWND dialog, INT id, INT* index) DSUP_NOEXCEPT;

/* Inserts the items of `text`, separated by line feeds, each at `position` (-1 appends, so the
 * items keep their order; a fixed position puts them there in reverse order). An empty piece is an
 * empty item. The text is not changed. */
DSUP_API void DSUP_CALL DSupInsertComboText(HWND dialog, INT id, INT position, LPCWSTR text) DSUP_NOEXCEPT;

/* As DSupInsertComboText with text `textNumber` of the dialog's module (at most 511 characters). */
DSUP_API void DSUP_CALL DSupInsertComboString(HWND dialog, INT id, INT position, UINT textNumber) DSUP_NOEXCEPT;

/* Sets a check button's state: 0 unchecked, 1 checked, 2 indeterminate. */
DSUP_API void DSUP_CALL DSupSetButton(HWND dialog, INT id, UINT state) DSUP_NOEXCEPT;

/* Enables or disables the control; DSupEnableDlgItems every control from firstId to lastId. */
DSUP_API void DSUP_CALL DSupEnableDlgItem(HWND dialog, INT id, BOOL enable) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupEnableDlgItems(HWND dialog, INT firstId, INT lastId, BOOL enable) DSUP_NOEXCEPT;

/* The field markers of a standard dialog: the last change needs no check any more; no field is in
 * error; field `id` is in error (the dialog holds the user there until it is corrected). */
DSUP_API void DSUP_CALL DSupClearLastFieldModified(HWND dialog) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupClearLastFieldError(HWND dialog) DSUP_NOEXCEPT;
DSUP_API void DSUP_CALL DSupSetFieldError(HWND dialog, INT id) DSUP_NOEXCEPT;

/* ---- Entry error and choice messages --------------------------------------------------------- */

/* Message `messageNumber` (low 16 bits) of `messageInstance`, formatted with the further arguments
 * by the wide printf conventions (%s takes a WCHAR text), in a warning box owned by the dialog.
 * Field `id` is marked as in error and has the focus afterwards, so that leaving it checks it anew;
 * a standard dialog's pending field check is not started by the box taking the focus. */
DSUP_API void DSUP_CDECL DSupDialogEntryError(HWND dialog, INT id, HINSTANCE messageInstance, UINT messageNumber,
                                           ...) DSUP_NOEXCEPT;

/* As DSupDialogEntryError, with text `insertNumber` of `insertInstance` (at most 99 characters;
 * empty when there is none) as the first insert of the message, before the further arguments. */
DSUP_API void DSUP_CDECL DSupDialogErrorMessage(HWND dialog, INT id, HINSTANCE messageInstance, UINT messageNumber,
                                             HINSTANCE insertInstance, UINT insertNumber, ...) DSUP_NOEXCEPT;

/* A warning that the user may accept: the message in a box with OK and Cancel. Returns 1 when the
 * user chose OK (the field is not in error); 0 otherwise, with the field in error and the focus in
 * it. */
DSUP_API BOOL DSUP_CDECL DSupDialogChoice(HWND dialog, INT id, HINSTANCE messageInstance, UINT messageNumber,
                                       ...) DSUP_NOEXCEPT;

/* The message with its insert text as DSupDialogErrorMessage shows it, owned by `owner` (any
 * window), without touching a field or the focus. */
DSUP_API void DSUP_CDECL DSupCheckErrorMessage(HWND owner, HINSTANCE messageInstance, UINT messageNumber,
                                            HINSTANCE insertInstance, UINT insertNumber, ...) DSUP_NOEXCEPT;

/* ---- Number validation and field checks (any dialog) -------------------------------------- */

/* The checks tell the user what is wrong in a warning box: the caller's message `messageNumber`
 * (a text of the dialog's own module) with the library's explanation as its first insert (a
 * %s) and the limits after it, and mark the field as in error with the focus in it (a field of 0
 * is no field: the box is shown and nothing is marked). A rejected field keeps the user's text;
 * results are written only for an accepted one. A text that is not a number in the decimal syntax
 * (a sign, digits, a decimal point, an exponent) is never accepted, nor is a value that is not a
 * number. Only the first 14 characters of a field are read. */

/* 1 when `value` lies from `minimum` to `maximum` (both included) or equals `extra`, and is 0 or
 * at least 2^-1022 in magnitude; otherwise 0, after the box. Limits all 0 stand for the whole
 * range of doubles. Inserts: minimum, maximum, extra (doubles). */
DSUP_API BOOL DSUP_CALL DSupValidDouble(HWND dialog, INT field, double value, UINT messageNumber, double minimum,
                                        double maximum, double extra) DSUP_NOEXCEPT;

/* As DSupValidDouble, but limits all 0 stand for the single-precision range, and a value beyond it
 * is reported with the library's own message alone. */
DSUP_API BOOL DSUP_CALL DSupValidFloat(HWND dialog, INT field, double value, UINT messageNumber, double minimum,
                                       double maximum, double extra) DSUP_NOEXCEPT;

/* An integer field from `minimum` to `maximum`, or `extra`; an empty field gives `defaultValue`
 * when `emptyAllowed`. The field is not rewritten. Inserts: minimum, maximum, extra (LONG). */
DSUP_API BOOL DSUP_CALL DSupCheckDialogInt(HWND dialog, INT field, UINT messageNumber, LONG minimum, LONG maximum,
                                           LONG extra, BOOL emptyAllowed, LONG defaultValue, LONG* result) DSUP_NOEXCEPT;

/* A number field from `minimum` to `maximum` (limits 0 and 0 accept only 0); an empty field gives
 * `defaultValue` when `emptyAllowed`. With `digits` of 0 or more the field is rewritten in the
 * standard format (DSupSetFloatField; a magnitude below 1e-6 as 0) and *result receives the value
 * as the field then shows it; `text` (when not null and `textCapacity` above 0) receives the
 * field's text, or capacity - 1 asterisks when it does not fit. Inserts: minimum, maximum. */
DSUP_API BOOL DSUP_CALL DSupCheckDialogDouble(HWND dialog, INT field, UINT messageNumber, double minimum,
                                              double maximum, BOOL emptyAllowed, double defaultValue, double* result,
                                              LPWSTR text, WORD textCapacity, INT digits) DSUP_NOEXCEPT;

/* As DSupCheckDialogDouble, and within the single-precision range (DSupValidFloat); *result
 * receives the value rounded to single precision. */
DSUP_API BOOL DSUP_CALL DSupCheckDialogFloat(HWND dialog, INT field, UINT messageNumber, double minimum,
                                             double maximum, BOOL emptyAllowed, double defaultValue, FLOAT* result,
                                             LPWSTR text, WORD textCapacity, INT digits) DSUP_NOEXCEPT;

/* Silent: 1 when the field holds a number that is, in single precision, finite and from `minimum`
 * to `maximum`; otherwise 0, and the value becomes `fallback`. Nothing is shown or marked. With
 * `digits` of 0 or more the field, *result and `text` are filled as by DSupCheckDialogDouble (with
 * the fallback on failure); with negative digits nothing is written. */
DSUP_API BOOL DSUP_CALL DSupDlgInternalFloatCheck(HWND dialog, WORD field, FLOAT minimum, FLOAT maximum,
                                                  FLOAT fallback, FLOAT* result, LPWSTR text, WORD textCapacity,
                                                  INT digits) DSUP_NOEXCEPT;

/* A number field within the single-precision range that `check` accepts (no box of the library's
 * for its refusal; a null check accepts); an empty field gives `defaultValue` when `emptyAllowed`.
 * *result receives the value in single precision when accepted. Returns the check's result. */
DSUP_API LONG DSUP_CALL DSupCheckDialogFloatWithFunction(HWND dialog, INT field, UINT messageNumber,
                                                         DSupFloatCheckFunction check, BOOL emptyAllowed,
                                                         double defaultValue, FLOAT* result) DSUP_NOEXCEPT;

/* A combo box whose text begins an item of its list (without regard to case): the first such item
 * becomes selected and its index goes to *index. An empty text or none matching is reported; a
 * field that does not exist gives 0 and nothing is shown. */
DSUP_API BOOL DSUP_CALL DSupCheckDialogCombo(HWND dialog, INT field, UINT messageNumber, WORD* index) DSUP_NOEXCEPT;

/* ==== Timetables and run-time entries ========================================================= */

/* A timetable is a table of fixed-size rows that a driver's dialog shows in a scroller control
 * (control IDC_TT_SCROLLER of window class "QXLUMO_UTIL_SCROLLER_02"), with entry fields in which
 * the user types one row, an Enter button that takes the typed row into the table, and buttons that
 * delete the selected rows or clear the table. The driver owns the rows' content and layout and
 * keeps them in the row memory of its DSupTTData descriptor through DSupTTGetMemory; the library
 * runs the selection and its highlight, the Enter cycle, deleting and clearing, and the messages
 * with the scroller. The driver calls the functions below from its dialog procedure and its
 * command callback, with the descriptor and the numbers of five texts of its own module, in this
 * order: the end-of-table line, the question asked before clearing, then the three row memory
 * messages of DSupTTGetMemory (the table has memory already, not enough memory, too many rows).
 * Every function does nothing (or returns 0 or null) for a null descriptor. */

/* Controls of a timetable dialog. */
#define IDC_TT_NOROW_ENTER 11 /* the dialog's Enter button while no typed row waits */
#define IDC_TT_ENTER 31       /* the Enter button: takes the typed row into the table */
#define IDC_TT_SCROLLER 41    /* the scroller control */
#define IDC_TT_FIRSTFIELD 42  /* the first entry field of a row */
#define IDC_TT_DELETE 30001   /* deletes the selected rows (no field check, as 30000 to 30100) */
#define IDC_TT_CLEAR 30002    /* clears the table after asking */

/* Notification codes of the scroller that the driver passes to DSupTTProcessScroller with the
 * row concerned. Other codes are ignored. */
#define TTN_CLICK 4          /* also 6: enters a pending row, then selects the row */
#define TTN_CLICK_KEY 6
#define TTN_EXTEND 5         /* also 7: extends the shown selection to the row */
#define TTN_EXTEND_KEY 7
#define TTN_GETROWTEXT 11    /* the scroller shows the row: the result is the scroller's answer */
#define TTN_SELECT 13        /* selects the row */

/* The private messages that the library sends (or posts) to the dialog, numbered from the
 * descriptor's msgBase: msgBase + TTM_ENTERROW and so on.
 * TTM_ENTERROW (sent; wParam: nonzero while a scroller click enters the row; lParam: a
 *   DSupTTEnterRow): take the typed row into the table and report the outcome.
 * TTM_DELETEROWS (sent; lParam: a PortRowRange filled from selRow, anchorRow and 0): remove those
 *   rows from the table.
 * TTM_CLEARED (sent): the table has just been freed.
 * TTM_GETROWTEXT (sent; wParam: the row; lParam: a buffer of DSUP_TT_ROWTEXT_CAPACITY WCHARs):
 *   write the row's display text, zero-terminated (a longer text is cut to capacity - 1).
 * TTM_ROWSELECTED (posted; wParam: the row): a row was chosen; a row at or above rowCount is the
 *   end-of-table line or the space below it.
 * TTM_UPDATE (sent): the selection or the table changed. */
#define TTM_ENTERROW 0
#define TTM_DELETEROWS 1
#define TTM_CLEARED 2
#define TTM_GETROWTEXT 3
#define TTM_ROWSELECTED 4
#define TTM_UPDATE 5

#define DSUP_TT_ROWTEXT_CAPACITY 120

/* The outcome that the dialog reports for TTM_ENTERROW, and the row it concerns. Both are 0 when
 * the message is sent. */
#define TT_ENTER_REFUSED (-1) /* nothing changed */
#define TT_ENTER_ADDED 0      /* a new row was added at *rowNumber (negative: at the top) */
#define TT_ENTER_CHANGED 1    /* row *rowNumber was changed */
typedef struct DSupTTEnterRow {
  LONG* outcome;
  LONG* rowNumber;
} DSupTTEnterRow;

/* Creates, grows, shrinks, locks, unlocks or frees the table's row memory: one movable block of
 * rowCount x rowSize bytes in table->hRows. `operation` holds TTMEM_* flags and, in its low 11
 * bits, a row count:
 *   TTMEM_ADD with a count creates the table with that many zero-filled rows (count 0 on an empty
 *     table: one row); without a count it appends one zero-filled row.
 *   TTMEM_RESIZE with a count sets the table to that many rows (new rows zero-filled); without a
 *     count it removes the last row (the table's only row: the table is freed).
 *   TTMEM_LOCK alone locks the rows; with TTMEM_ADD it locks the created or grown table.
 *   TTMEM_UNLOCK releases a lock; TTMEM_FREE alone frees the table (hRows null, rowCount 0).
 * Returns the locked rows when a lock was asked for and granted (release it with TTMEM_UNLOCK),
 * null in every other case. A refused request leaves the descriptor as it was and shows the
 * driver's message (text of the dialog's module, in a warning box owned by the dialog):
 * `tooManyMsg` when the table would exceed maxRows rows, `existsMsg` when TTMEM_ADD with a count
 * finds memory already, `noMemoryMsg` when the memory cannot be had. A request that does not
 * apply (anything but TTMEM_ADD on an empty table, TTMEM_FREE or TTMEM_LOCK with a count, another
 * combination of flags) returns null silently. */
DSUP_API void* DSUP_CALL DSupTTGetMemory(HWND dialog, DSupTTData* table, WORD operation, WORD existsMsg,
                                         WORD noMemoryMsg, WORD tooManyMsg) DSUP_NOEXCEPT;

/* Sets table->enterPending to `enable`. Nonzero makes IDC_TT_ENTER the enabled default button and
 * the dialog's Enter button (as DSupSetEnterButtonId does); 0 makes IDC_TT_NOROW_ENTER the Enter
 * button and disables IDC_TT_ENTER. Either way a shown selection is hidden (it stays remembered). */
DSUP_API void DSUP_CALL DSupTTEnableEnter(HWND dialog, DSupTTData* table, BOOL enable) DSUP_NOEXCEPT;

/* `request` -2 hides the shown selection, -1 shows the remembered one again, 0 to maxRows - 1
 * selects that one row and shows it; anything else (and -2 or -1 in the other state) does nothing. */
DSUP_API void DSUP_CALL DSupTTListSelect(HWND dialog, DSupTTData* table, LONG request) DSUP_NOEXCEPT;

/* Handles a scroller notification `code` for `row` (the TTN_* codes). TTN_CLICK is carried out
 * only when its message time is 170 ms or more after the last carried-out click: it first enters
 * a pending row (DSupTTPushButtonHandler with IDC_TT_ENTER) and is dropped when the dialog refuses
 * it, then selects the row as TTN_SELECT does: hides the selection, posts TTM_ROWSELECTED, and
 * shows a row of the table as the new selection (the end-of-table line and the space below it
 * leave no selection). TTN_EXTEND moves the shown selection's moving end to the row (at most the
 * last row). TTN_GETROWTEXT answers the scroller with the row's text: the dialog's (TTM_GETROWTEXT),
 * drawn highlighted within a shown selection; for row rowCount the end-of-table line, text
 * `endLineMsg` widened with '-' to endLineWidth characters (at most DSUP_TT_ROWTEXT_CAPACITY - 1);
 * beyond it, and for a negative row, an empty row. Returns the scroller's answer for
 * TTN_GETROWTEXT, 0 otherwise. */
DSUP_API LONG DSUP_CALL DSupTTProcessScroller(HWND dialog, WORD code, LONG row, DSupTTData* table, WORD endLineMsg,
                                              WORD clearQueryMsg, WORD existsMsg, WORD noMemoryMsg,
                                              WORD tooManyMsg) DSUP_NOEXCEPT;

/* Handles a click of a timetable button, then disables Enter (DSupTTEnableEnter with 0) whatever
 * the command. IDC_TT_ENTER with a row pending sends TTM_ENTERROW and brings the scroller's rows
 * in line with the outcome: a changed row is redrawn, an added one inserted; then the row after an
 * added one (a changed one itself) is scrolled into view and clicked (TTN_CLICK), and the focus
 * goes to IDC_TT_FIRSTFIELD with its text selected. Without a pending row it only beeps.
 * IDC_TT_DELETE removes the shown selection's rows (TTM_DELETEROWS, then from the scroller) and
 * leaves the selection hidden on the row before them (row 0 at least). IDC_TT_CLEAR asks
 * `clearQueryMsg` (OK or Cancel, Cancel the default) when the table has rows, and on OK frees the
 * rows, forgets the selection (both ends -1), empties the scroller and sends TTM_CLEARED; the focus
 * goes back to IDC_TT_CLEAR. Delete and clear end with TTM_UPDATE. Returns 1 when a row was entered
 * (for every outcome but TT_ENTER_REFUSED), 0 otherwise. */
DSUP_API LONG DSUP_CALL DSupTTPushButtonHandler(HWND dialog, DSupTTData* table, WORD commandId, WORD endLineMsg,
                                                WORD clearQueryMsg, WORD existsMsg, WORD noMemoryMsg,
                                                WORD tooManyMsg) DSUP_NOEXCEPT;

/* ---- Run-time entries and the help line ------------------------------------------------- */

/* A method dialog shows a stop time, which is a number, "Off" or (in some dialogs) an alternate
 * pair of controls, and a post time, which is a number or "Off". The driver's DSupRunTimeData
 * records which is shown and the times typed; the functions below show and hide the controls that
 * present the choice and check what the user types. They work on any dialog, and skip a control
 * that the dialog lacks. A null record changes nothing. */

/* The controls of the run-time entries. */
#define IDC_STOPTIME 61      /* the stop time as a number (stopState 1) */
#define IDC_STOPTIME_OFF 63  /* the stop time "Off" (stopState 2) */
#define IDC_STOPTIME_ALT1 66 /* the alternate pair of the stop time (stopState 3) */
#define IDC_STOPTIME_ALT2 67
#define IDC_POSTTIME 69     /* the post time as a number (postOff 0) */
#define IDC_POSTTIME_OFF 71 /* the post time "Off" (postOff 1) */

/* The entries of DSupDlgRunTimeEntryToggle. */
#define DSUP_STOPTIME_ENTRY 1
#define DSUP_POSTTIME_ENTRY 6

/* Hides the four stop-time controls (IDC_STOPTIME, IDC_STOPTIME_OFF and the alternate pair). */
DSUP_API void DSUP_CALL DSupDlgStopTimeHideAll(HWND dialog) DSUP_NOEXCEPT;

/* Moves a run-time entry on to its next presentation and shows that presentation's controls alone.
 * DSUP_STOPTIME_ENTRY: times->stopState steps by times->stopMode. Modes 1 and 4 go round the states
 * 1, 2, 3: forward for step codes 1 and 3, backward for 0 and 2. Modes 2 and 5 turn state 2 into 1
 * and any other into 2; mode 3 turns state 2 into 3 and any other into 2. State 1 shows
 * IDC_STOPTIME, state 3 the alternate pair, any other state IDC_STOPTIME_OFF; in modes 1, 3 and 4
 * stopAlternate becomes 1 for state 3 and 0 otherwise (modes 2 and 5 leave it). A step code above
 * 3, or a mode outside 1 to 5, changes nothing.
 * DSUP_POSTTIME_ENTRY (the step code is not used): postOff 1 shows IDC_POSTTIME and becomes 0; any
 * other value shows IDC_POSTTIME_OFF and becomes 1.
 * Any other entry changes nothing. */
DSUP_API void DSUP_CALL DSupDlgRunTimeEntryToggle(HWND dialog, LONG entry, WORD stepCode,
                                                  DSupRunTimeData* times) DSUP_NOEXCEPT;

/* Checks what the user typed into IDC_STOPTIME or IDC_POSTTIME (`field`; its first 14 characters
 * are read) and records it in *times. "Off" (in any case, blanks around it allowed) turns the entry
 * "Off" through the toggle above, without a range check: the stop time steps on from its number
 * field to IDC_STOPTIME_OFF in every stop mode, with stopTime 0.2; the post time switches, with
 * postTime 0.01. Any other text is checked by DSupCheckDialogFloat with `digits`, empty not
 * allowed: the stop time from 0.2 to `stopMaximum` with the driver's message `stopMessage`, the
 * post time from `postMinimum` to `postMaximum` with `postMessage`; the value goes to stopTime or
 * postTime. An accepted value that the field shows as 0.005 or less turns the entry "Off" as well
 * (the stop time field is rewritten as 0.2, and a stop time that shows "Off" already stays so). In
 * stop mode 4, an accepted stop time above compareTime (when that is above 0) while the stop time
 * shows its number field brings the driver's warning `warningMessage` (a text of the dialog's
 * module, at most 98 characters) in a box captioned "ERROR", and the focus back into the field:
 * the value stands. `unused` is not used.
 * Returns 1 when the entry was accepted. Returns 0 when the check rejected it (it has told the
 * user, marked the field and put the focus in it; stopTime or postTime is unchanged), and for any
 * other field or a null record (nothing happens). */
DSUP_API BOOL DSUP_CALL DSupDlgRunTimeFieldHandler(HWND dialog, WORD field, LONG unused, FLOAT stopMaximum,
                                                   FLOAT postMinimum, FLOAT postMaximum, INT digits,
                                                   DSupRunTimeData* times, WORD stopMessage, WORD postMessage,
                                                   WORD warningMessage) DSUP_NOEXCEPT;

/* Shows help text `messageNumber` (low 16 bits; at most 88 characters) of `instance` in control
 * `helpLineId`, formatted with the further arguments by the wide printf conventions (%s takes a
 * WCHAR text). A text that begins with %s shows nothing in its place: the further arguments fill
 * the inserts after it. A number without a text shows "no string" and the number in hexadecimal
 * ("no string 1F4" for 500). The help line holds at most 101 characters: a longer text is cut
 * there, never between the two code units of one character.
 * Returns nonzero when the text was set; 0 when the dialog has no such control. */
#define DSUP_HELP_LINE_LENGTH 101
DSUP_API BOOL DSUP_CDECL DSupDlgVaHelpLine(HWND dialog, HINSTANCE instance, LONG helpLineId, UINT messageNumber,
                                        ...) DSUP_NOEXCEPT;

/* ==== Text files: line reading and parsing ==================================================== */

/* Drivers read text files line by line and parse each line against a grammar of their own,
 * compiled into a parse table (the tool dsup-grammar compiles grammar texts into tables). The
 * line readers keep no buffer, so the file position stands right behind the line just read. The
 * parser keeps nothing but what is in the caller's ParseState (the table and the text are only
 * read), so drivers may parse on several threads at once, each with a state of its own. */

/* Reads one line of single-byte text from the file's position, one byte per read: stores up to
 * `capacity` characters of it with its line feed (carriage returns are dropped wherever they
 * stand), passes over the rest of a longer line up to and including its line feed, and terminates
 * the text. The end of the file, a failing read, or for the wide form a last single byte ends the
 * line as well. Returns 1 when at least one character was stored, 0 otherwise (the end of the
 * file; a capacity of 0). A negative capacity reads the line and stores nothing, not even the
 * terminator.
 * REQUIRES: buffer holds capacity + 1 characters; file was opened for reading. */
DSUP_API INT DSUP_CALL DSupReadLineFromFile(char* buffer, INT capacity, HANDLE file) DSUP_NOEXCEPT;

/* As DSupReadLineFromFile for UTF-16 text in the host's (little-endian) byte order, in code
 * units. A byte-order mark is not recognised: it comes back as the first unit of the first line.
 * REQUIRES: buffer holds capacity + 1 code units. */
DSUP_API INT DSUP_CALL DSupReadLineFromFileW(WCHAR* buffer, INT capacity, HANDLE file) DSUP_NOEXCEPT;

/* Results of DSupParseNext. */
#define DSUP_PARSE_YIELDED 1      /* a result: resultCode and the values read are in the state */
#define DSUP_PARSE_SYNTAX_ERROR 2 /* the text does not fit the grammar; cursor at the failing place */
#define DSUP_PARSE_END 3          /* the grammar ended; so does every further call */

/* Binds `state` to the table and the zero-terminated single-byte `text`, and starts it at the
 * entry whose key equals `key`. Sets the table pointers, the cursor (the start of the text), step
 * and armed jump (none), separator (line feed) and quote (none) whether or not the key is found;
 * the other fields keep their values. Returns 1 when the key was found (pc is then the entry's
 * first instruction), 0 when it was not (pc unchanged; do not call DSupParseNext on the state)
 * or when a pointer is null (nothing is changed).
 * REQUIRES: table is a compiled parse table; text and table outlive the parse. */
DSUP_API INT DSUP_CALL DSupParseInit(const ParseTable* table, INT key, const char* text,
                                     ParseState* state) DSUP_NOEXCEPT;

/* Runs the grammar from the state's position to the next result: DSUP_PARSE_YIELDED,
 * DSUP_PARSE_SYNTAX_ERROR (values read before the failing place stay in the state) or
 * DSUP_PARSE_END. May be called again after any result and goes on behind it; at the end it
 * returns DSUP_PARSE_END again. The cursor never moves past the text's terminating zero. A null
 * state, or a zero-filled one never bound to a table and text, gives DSUP_PARSE_SYNTAX_ERROR.
 * REQUIRES: the state was set up by a successful DSupParseInit. */
DSUP_API INT DSUP_CALL DSupParseNext(ParseState* state) DSUP_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QXDSUP01_DSUP_H */
