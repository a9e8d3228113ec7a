/*
 * The subset of the Win32 API that the driver support library uses, for hosts without Windows.
 *
 * The library's sources include <windows.h> and are written against Win32 names, types,
 * constants and semantics; on Windows they build against the real headers, here against this one
 * and the platform layer behind it (libqxplatform). Integer types keep their Windows widths on
 * every host: LONG, BOOL and INT are 32 bits signed, DWORD and UINT 32 bits unsigned, WORD and
 * SHORT 16 bits, BYTE 8 bits. WCHAR is char16_t (UTF-16), never wchar_t.
 *
 * This header compiles as C and as C++. Every function may be called from any thread; the layer
 * serialises its own state. Windows belong to the thread that created them (see <winuser.h>). Handles are validated on every use: 0, a freed handle or a handle of
 * another kind makes a call fail the way Win32 fails (null, FALSE or an invalid handle, with
 * ERROR_INVALID_HANDLE as the last error) and never touches freed memory.
 */
#ifndef QX_PLATFORM_WINDOWS_H
#define QX_PLATFORM_WINDOWS_H

#include <stddef.h>
#include <stdint.h>
#if !defined(__cplusplus)
#include <uchar.h>
#endif

#if defined(QXPLATFORM_BUILD)
#define WINBASEAPI __attribute__((visibility("default")))
#else
#define WINBASEAPI
#endif

#define WINAPI
#define CALLBACK
#define APIENTRY
#define CONST const
#define VOID void
#define TRUE 1
#define FALSE 0

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Base types, with their Windows widths ---------------------------------------------------- */

typedef uint8_t BYTE;
typedef int16_t SHORT;
typedef uint16_t WORD;
typedef WORD ATOM;
typedef uint16_t USHORT;
typedef int32_t INT;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t DWORD;
typedef int32_t BOOL;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef float FLOAT;
typedef char CHAR;
typedef char16_t WCHAR;
typedef BYTE* LPBYTE;
typedef LONG* PLONG;
typedef LONG* LPLONG;
typedef DWORD* LPDWORD;
typedef INT* LPINT;
typedef BOOL* LPBOOL;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;
typedef void* PVOID;
typedef const void* LPCVOID;
typedef size_t SIZE_T;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef void* HANDLE;
typedef HANDLE* PHANDLE;
#define DECLARE_HANDLE(name) \
  struct name##__ {          \
    int unused;              \
  };                         \
  typedef struct name##__* name
typedef HANDLE HGLOBAL;
typedef HANDLE HLOCAL;
DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HDC);

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct _SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

typedef struct _FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
} FILETIME, *LPFILETIME;

/* A wide text literal: WCHAR text in the library's sources on every host (UTF-16 here, the
 * UNICODE build's L"" on Windows). */
#define __TEXT(quote) u##quote
#define TEXT(quote) __TEXT(quote)

#define MAKEWORD(low, high) ((WORD)(((BYTE)((DWORD_PTR)(low) & 0xff)) | ((WORD)((BYTE)((DWORD_PTR)(high) & 0xff))) << 8))
#define MAKELONG(low, high) ((LONG)(((WORD)((DWORD_PTR)(low) & 0xffff)) | ((DWORD)((WORD)((DWORD_PTR)(high) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)((DWORD_PTR)(l) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)((DWORD_PTR)(w) & 0xff))
#define HIBYTE(w) ((BYTE)((((DWORD_PTR)(w)) >> 8) & 0xff))

/* ---- Errors --------------------------------------------------------------------------------- */

#define NO_ERROR 0L
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_WRITE_FAULT 29L
#define ERROR_READ_FAULT 30L
#define ERROR_SHARING_VIOLATION 32L
#define ERROR_FILE_EXISTS 80L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_DISK_FULL 112L
#define ERROR_NEGATIVE_SEEK 131L
#define ERROR_DISCARDED 157L
#define ERROR_NOT_LOCKED 158L
#define ERROR_ALREADY_EXISTS 183L

/* The calling thread's last error, as set by the functions of this layer. */
WINBASEAPI DWORD WINAPI GetLastError(void);
WINBASEAPI void WINAPI SetLastError(DWORD error);

/* ---- Global memory -------------------------------------------------------------------------- */

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_MODIFY 0x0080
#define GMEM_INVALID_HANDLE 0x8000
#define GMEM_LOCKCOUNT 0x00FF
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

/* Allocates a block of `bytes` bytes. A GMEM_MOVEABLE block is named by a handle that differs from
 * its address and is reached through GlobalLock; a GMEM_FIXED block's handle is its address.
 * GMEM_ZEROINIT clears the block (other new bytes hold a fill pattern, not zeros). A movable
 * block of 0 bytes is created discarded: it cannot be locked until it is reallocated.
 * Returns null with ERROR_NOT_ENOUGH_MEMORY when the memory cannot be had. */
WINBASEAPI HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);

/* Resizes a block, keeping its handle and its contents up to the smaller size; the growth is
 * cleared with GMEM_ZEROINIT. A movable block may move (its address changes) unless it is locked
 * and GMEM_MOVEABLE is not given, in which case it is resized in place or not at all. Returns the
 * handle, or null (the block unchanged) with the last error set. */
WINBASEAPI HGLOBAL WINAPI GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);

/* Returns the address of the block and counts one more lock of a movable block; null for an
 * invalid or discarded handle. REQUIRES: one GlobalUnlock for every successful GlobalLock. */
WINBASEAPI LPVOID WINAPI GlobalLock(HGLOBAL block);

/* Counts one lock less. Returns nonzero while the block is still locked; FALSE with NO_ERROR
 * when the count reaches 0, FALSE with ERROR_NOT_LOCKED when it was not locked. */
WINBASEAPI BOOL WINAPI GlobalUnlock(HGLOBAL block);

/* Frees the block, locked or not. Returns null on success, the handle itself on failure. */
WINBASEAPI HGLOBAL WINAPI GlobalFree(HGLOBAL block);

/* The block's size in bytes; 0 for an invalid handle. */
WINBASEAPI SIZE_T WINAPI GlobalSize(HGLOBAL block);

/* The block's lock count in the low byte (GMEM_LOCKCOUNT); GMEM_INVALID_HANDLE for a bad handle. */
WINBASEAPI UINT WINAPI GlobalFlags(HGLOBAL block);

/* ---- Files ---------------------------------------------------------------------------------- */

#define GENERIC_READ 0x80000000UL
#define GENERIC_WRITE 0x40000000UL
#define DELETE 0x00010000UL
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)
#define INVALID_FILE_SIZE ((DWORD)0xFFFFFFFF)

/* Opens or creates a file. Paths are UTF-16; both '\\' and '/' separate directories. Share modes
 * are enforced between the open handles of the process by file identity: an open that an earlier
 * open's share mode forbids, or whose own share mode forbids an earlier open's access, fails with
 * ERROR_SHARING_VIOLATION and leaves the file untouched (CREATE_ALWAYS does not truncate it).
 * Returns the handle, or INVALID_HANDLE_VALUE with the last error set. */
WINBASEAPI HANDLE WINAPI CreateFileW(LPCWSTR path, DWORD access, DWORD shareMode,
                                     LPSECURITY_ATTRIBUTES security, DWORD disposition,
                                     DWORD flagsAndAttributes, HANDLE templateFile);

/* Reads up to `bytes` bytes at the file position and advances it. At the end of the file it
 * succeeds with 0 bytes read. REQUIRES: overlapped is null. */
WINBASEAPI BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD bytes, LPDWORD bytesRead,
                                LPOVERLAPPED overlapped);

/* Writes `bytes` bytes at the file position (a position beyond the end extends the file with
 * zeros) and advances it. A short write succeeds with fewer bytes written. */
WINBASEAPI BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD bytes, LPDWORD bytesWritten,
                                 LPOVERLAPPED overlapped);

/* Moves the file position; returns the low 32 bits of the new position (the high ones through
 * `distanceHigh` when given), or INVALID_SET_FILE_POINTER with ERROR_NEGATIVE_SEEK before 0. */
WINBASEAPI DWORD WINAPI SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh,
                                       DWORD method);

/* The file's length (low 32 bits; high ones through `sizeHigh`), INVALID_FILE_SIZE on failure. */
WINBASEAPI DWORD WINAPI GetFileSize(HANDLE file, LPDWORD sizeHigh);

/* Cuts or extends the file to the current file position. */
WINBASEAPI BOOL WINAPI SetEndOfFile(HANDLE file);

/* Closes a file handle. */
WINBASEAPI BOOL WINAPI CloseHandle(HANDLE object);

/* Deletes a file by path. Fails with ERROR_SHARING_VIOLATION while a handle of the file is open
 * that does not share deleting; when every open handle shares deleting, the name goes at once and
 * the open handles keep working on the unnamed file. ERROR_FILE_NOT_FOUND or
 * ERROR_PATH_NOT_FOUND when there is nothing to delete. */
WINBASEAPI BOOL WINAPI DeleteFileW(LPCWSTR path);

/* ---- Time ----------------------------------------------------------------------------------- */

/* Milliseconds since the system started, wrapping at 2^32. */
WINBASEAPI DWORD WINAPI GetTickCount(void);

/* The calendar time, in 100-nanosecond intervals since 1601-01-01 UTC. */
WINBASEAPI void WINAPI GetSystemTimeAsFileTime(LPFILETIME time);

/* ---- Synchronisation ------------------------------------------------------------------------ */

/* A slim reader/writer lock, here in exclusive mode only: SRWLOCK_INIT (or InitializeSRWLock)
 * makes it free, AcquireSRWLockExclusive waits until the calling thread holds it, and
 * ReleaseSRWLockExclusive frees it for one waiting thread. It is not recursive: a thread that holds
 * it must not acquire it again. It needs no clean-up. */
typedef struct _RTL_SRWLOCK {
  PVOID Ptr;
} SRWLOCK, *PSRWLOCK;
#define SRWLOCK_INIT {0}

WINBASEAPI void WINAPI InitializeSRWLock(PSRWLOCK lock);
WINBASEAPI void WINAPI AcquireSRWLockExclusive(PSRWLOCK lock);
WINBASEAPI void WINAPI ReleaseSRWLockExclusive(PSRWLOCK lock);

/* ---- Modules and their string tables -------------------------------------------------------- */

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

/* Copies string `id` of the module's string table into `buffer`, cut to capacity - 1 code units
 * and terminated; returns the number of code units copied. A capacity of 0 stores a read-only
 * pointer to the text (not terminated) in `buffer` instead. Returns 0 for a text that does not
 * exist; when the table holds other texts of the same block of 16 ids, the buffer then receives an
 * empty text. */
WINBASEAPI int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int capacity);

#ifdef __cplusplus
}
#endif

#include <wingdi.h>
#include <winuser.h>

#endif /* QX_PLATFORM_WINDOWS_H */
