/*
 * Driver support library (QXDSUP01): the one public header.
 *
 * Instrument drivers of the chromatography data system call this library to record raw data
 * files (signal and spectra files), to run their method dialogs as standard dialogs with one
 * behaviour for data entry and validation, to edit timetables, and to read and parse text files.
 *
 * Every function runs on the caller's thread and returns when its work is done; the library starts
 * no threads and keeps no locks. A raw data handle or a dialog must be used by one thread at a
 * time. Nothing is thrown across this interface: results are status numbers, handles or booleans.
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

/* ==== Standard dialogs, field access and validation =========================================== */

/* ==== Timetables and run-time entries ========================================================= */

/* ==== Text files: line reading and parsing ==================================================== */

/* Drivers read text files line by line and parse each line against a grammar of their own,
 * compiled into a parse table (the tool dsup-grammar compiles grammar texts into tables). The
 * line readers keep no buffer, so the file position stands right behind the line just read. The
 * parser keeps nothing between calls but what is in the caller's ParseState; its number reading
 * uses one scratch buffer of the library, so DSupParseNext must not run on two threads at once,
 * even for different states. */

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
