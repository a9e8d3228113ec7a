// Files on the host's file system with Win32 semantics: handles, positions, creation
// dispositions and share modes.
//
// Share modes are enforced between the handles of this process by file identity (device and
// inode), which is what a second open of a file that is being recorded meets on Windows. Deleting
// follows Win32 while a handle does not share deleting (sharing violation); when all open handles
// share it, the name goes at once and the handles keep working on the unnamed file, as the
// POSIX delete semantics of current Windows versions do.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>

#include "kernel/fault_points.h"
#include "kernel/handle_table.h"
#include "kernel/utf.h"
#include "sim/inventory.h"

namespace {

struct OpenFile {
  int descriptor = -1;
  DWORD access = 0;
  DWORD shareMode = 0;
  dev_t device = 0;
  ino_t inode = 0;
  std::uint64_t position = 0;
  std::string path;

  ~OpenFile() {
    if (descriptor >= 0) ::close(descriptor);
  }
};

struct FileState {
  std::mutex mutex;
  qxplatform::HandleTable<OpenFile> files{qxplatform::HandleKind::file};
};

FileState& state() {
  static FileState* instance = new FileState;  // never destroyed: used until the process ends
  return *instance;
}

// The open file behind a handle; 0, closed and foreign handles give null and ERROR_INVALID_HANDLE.
OpenFile* findFile(FileState& s, HANDLE handle) {
  OpenFile* file = s.files.find(reinterpret_cast<std::uintptr_t>(handle));
  if (!file) SetLastError(ERROR_INVALID_HANDLE);
  return file;
}

bool readsData(DWORD access) { return (access & GENERIC_READ) != 0; }
bool writesData(DWORD access) { return (access & GENERIC_WRITE) != 0; }

// As findFile, for an operation that needs the handle opened with some access: a handle without
// it gives null and ERROR_ACCESS_DENIED, as reading a write-only handle does on Win32.
OpenFile* findFileWithAccess(FileState& s, HANDLE handle, bool (*permitted)(DWORD access)) {
  OpenFile* file = findFile(s, handle);
  if (file && !permitted(file->access)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  return file;
}
bool deletes(DWORD access) { return (access & DELETE) != 0; }

// Whether an open with (access, shareMode) may stand beside an open handle of the same file.
bool compatible(const OpenFile& other, DWORD access, DWORD shareMode) {
  if (readsData(access) && !(other.shareMode & FILE_SHARE_READ)) return false;
  if (writesData(access) && !(other.shareMode & FILE_SHARE_WRITE)) return false;
  if (deletes(access) && !(other.shareMode & FILE_SHARE_DELETE)) return false;
  if (readsData(other.access) && !(shareMode & FILE_SHARE_READ)) return false;
  if (writesData(other.access) && !(shareMode & FILE_SHARE_WRITE)) return false;
  if (deletes(other.access) && !(shareMode & FILE_SHARE_DELETE)) return false;
  return true;
}

bool conflictsWithOpenHandles(FileState& s, dev_t device, ino_t inode, DWORD access,
                              DWORD shareMode) {
  bool conflict = false;
  s.files.forEach([&](const OpenFile& other) {
    if (other.device == device && other.inode == inode && !compatible(other, access, shareMode))
      conflict = true;
  });
  return conflict;
}

bool directoryExists(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return true;
  struct stat info;
  const std::string directory = slash == 0 ? "/" : path.substr(0, slash);
  return ::stat(directory.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

DWORD errorOfErrno(int error, const std::string& path) {
  switch (error) {
    case ENOENT: return directoryExists(path) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG: return ERROR_PATH_NOT_FOUND;
    case EEXIST: return ERROR_FILE_EXISTS;
    case ENOSPC: return ERROR_DISK_FULL;
    default: return ERROR_ACCESS_DENIED;
  }
}

int openFlags(DWORD access, DWORD disposition) {
  int flags = O_CLOEXEC;
  if (readsData(access) && writesData(access)) flags |= O_RDWR;
  else if (writesData(access)) flags |= O_WRONLY;
  else flags |= O_RDONLY;
  if (disposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
  if (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS) flags |= O_CREAT;
  return flags;
}

}  // namespace

extern "C" HANDLE WINAPI CreateFileW(LPCWSTR path, DWORD access, DWORD shareMode,
                                     LPSECURITY_ATTRIBUTES, DWORD disposition, DWORD, HANDLE) {
  if (!path || !*path) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  auto file = std::make_unique<OpenFile>();
  file->path = qxplatform::hostPath(path);
  file->access = access;
  file->shareMode = shareMode;
  qxplatform::countFileEvent(file->path, qxplatform::FileEvent::open);
  if (qxplatform::enterOperation(sim::Operation::fileOpen).fail) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }

  struct stat info;
  const bool existed = ::stat(file->path.c_str(), &info) == 0;
  if (existed && S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  file->descriptor = ::open(file->path.c_str(), openFlags(access, disposition), 0666);
  if (file->descriptor < 0) {
    SetLastError(errorOfErrno(errno, file->path));
    return INVALID_HANDLE_VALUE;
  }
  if (::fstat(file->descriptor, &info) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  file->device = info.st_dev;
  file->inode = info.st_ino;
  if (conflictsWithOpenHandles(s, file->device, file->inode, access, shareMode)) {
    SetLastError(ERROR_SHARING_VIOLATION);
    return INVALID_HANDLE_VALUE;
  }
  const bool truncate = disposition == TRUNCATE_EXISTING || (disposition == CREATE_ALWAYS && existed);
  if (truncate && ::ftruncate(file->descriptor, 0) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  const std::uintptr_t value = s.files.insert(std::move(file));
  if (!value) {
    SetLastError(ERROR_OUTOFMEMORY);
    return INVALID_HANDLE_VALUE;
  }
  const bool reportsExisting = existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS);
  SetLastError(reportsExisting ? ERROR_ALREADY_EXISTS : NO_ERROR);
  return reinterpret_cast<HANDLE>(value);
}

extern "C" BOOL WINAPI ReadFile(HANDLE handle, LPVOID buffer, DWORD bytes, LPDWORD bytesRead,
                                LPOVERLAPPED) {
  if (bytesRead) *bytesRead = 0;
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  OpenFile* file = findFileWithAccess(s, handle, readsData);
  if (!file) return FALSE;
  qxplatform::countFileEvent(file->path, qxplatform::FileEvent::read);
  if (qxplatform::enterOperation(sim::Operation::fileRead).fail) {
    SetLastError(ERROR_READ_FAULT);
    return FALSE;
  }
  DWORD done = 0;
  while (done < bytes) {
    const ssize_t n = ::pread(file->descriptor, static_cast<char*>(buffer) + done, bytes - done,
                              static_cast<off_t>(file->position + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetLastError(ERROR_READ_FAULT);
      return FALSE;
    }
    if (n == 0) break;
    done += static_cast<DWORD>(n);
  }
  file->position += done;
  if (bytesRead) *bytesRead = done;
  return TRUE;
}

extern "C" BOOL WINAPI WriteFile(HANDLE handle, LPCVOID buffer, DWORD bytes, LPDWORD bytesWritten,
                                 LPOVERLAPPED) {
  if (bytesWritten) *bytesWritten = 0;
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  OpenFile* file = findFileWithAccess(s, handle, writesData);
  if (!file) return FALSE;
  const qxplatform::FaultDecision fault = qxplatform::enterOperation(sim::Operation::fileWrite);
  if (fault.fail) {
    qxplatform::countFileEvent(file->path, qxplatform::FileEvent::write, 0);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
  }
  const DWORD wanted = fault.shorten && fault.bytes < bytes ? fault.bytes : bytes;
  DWORD done = 0;
  while (done < wanted) {
    const ssize_t n = ::pwrite(file->descriptor, static_cast<const char*>(buffer) + done,
                               wanted - done, static_cast<off_t>(file->position + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<DWORD>(n);
  }
  file->position += done;
  qxplatform::countFileEvent(file->path, qxplatform::FileEvent::write, done);
  if (bytesWritten) *bytesWritten = done;
  if (done < wanted) {
    SetLastError(errorOfErrno(errno, file->path));
    return FALSE;
  }
  return TRUE;
}

extern "C" DWORD WINAPI SetFilePointer(HANDLE handle, LONG distance, PLONG distanceHigh,
                                       DWORD method) {
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  OpenFile* file = findFile(s, handle);
  if (!file) return INVALID_SET_FILE_POINTER;
  std::int64_t move = distance;
  if (distanceHigh)
    move = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(*distanceHigh)) << 32) |
                                     static_cast<std::uint32_t>(distance));
  std::int64_t base = 0;
  if (method == FILE_CURRENT) {
    base = static_cast<std::int64_t>(file->position);
  } else if (method == FILE_END) {
    struct stat info;
    if (::fstat(file->descriptor, &info) != 0) {
      SetLastError(ERROR_ACCESS_DENIED);
      return INVALID_SET_FILE_POINTER;
    }
    base = info.st_size;
  } else if (method != FILE_BEGIN) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  const std::int64_t target = base + move;
  if (target < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  file->position = static_cast<std::uint64_t>(target);
  if (distanceHigh) *distanceHigh = static_cast<LONG>(file->position >> 32);
  SetLastError(NO_ERROR);
  return static_cast<DWORD>(file->position);
}

extern "C" DWORD WINAPI GetFileSize(HANDLE handle, LPDWORD sizeHigh) {
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  OpenFile* file = findFile(s, handle);
  if (!file) return INVALID_FILE_SIZE;
  struct stat info;
  if (::fstat(file->descriptor, &info) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_FILE_SIZE;
  }
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (sizeHigh) *sizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(NO_ERROR);
  return static_cast<DWORD>(size);
}

extern "C" BOOL WINAPI SetEndOfFile(HANDLE handle) {
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  OpenFile* file = findFileWithAccess(s, handle, writesData);
  if (!file) return FALSE;
  if (::ftruncate(file->descriptor, static_cast<off_t>(file->position)) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return TRUE;
}

extern "C" BOOL WINAPI CloseHandle(HANDLE handle) {
  // INVALID_HANDLE_VALUE is also the pseudo-handle of the process, which closes without effect.
  if (handle == INVALID_HANDLE_VALUE) return TRUE;
  FileState& s = state();
  std::unique_ptr<OpenFile> closed;  // closed after the mutex is released
  {
    std::lock_guard lock(s.mutex);
    closed = s.files.erase(reinterpret_cast<std::uintptr_t>(handle));
  }
  if (!closed) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (qxplatform::enterOperation(sim::Operation::fileClose).fail) {
    SetLastError(ERROR_WRITE_FAULT);
    return FALSE;
  }
  return TRUE;
}

extern "C" BOOL WINAPI DeleteFileW(LPCWSTR path) {
  const std::string host = qxplatform::hostPath(path);
  if (host.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  qxplatform::countFileEvent(host, qxplatform::FileEvent::remove);
  if (qxplatform::enterOperation(sim::Operation::fileDelete).fail) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  struct stat info;
  if (::stat(host.c_str(), &info) != 0) {
    SetLastError(errorOfErrno(errno, host));
    return FALSE;
  }
  if (S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (conflictsWithOpenHandles(s, info.st_dev, info.st_ino, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)) {
    SetLastError(ERROR_SHARING_VIOLATION);
    return FALSE;
  }
  if (::unlink(host.c_str()) != 0) {
    SetLastError(errorOfErrno(errno, host));
    return FALSE;
  }
  return TRUE;
}

namespace sim {

std::size_t openFileHandles() {
  FileState& s = state();
  std::lock_guard lock(s.mutex);
  return s.files.size();
}

}  // namespace sim
