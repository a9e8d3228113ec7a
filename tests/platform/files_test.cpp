// Files as the raw data functions rely on them: share modes between handles, positions, deleting,
// and Win32's errors.
#include <windows.h>

#include <string>

#include "platform/files_fixture.h"

namespace {

using Files = dsuptest::FilesTest;

TEST_F(Files, SecondOpenWhileRecordingFollowsTheShareModes) {
  struct Case {
    DWORD access, share, disposition;
    bool allowed;
  };
  const Case cases[] = {
      {GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, false},  // a writer
      {GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, false},                     // a reader not sharing writes
      {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, true},   // a reader sharing them
      {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, false},     // a second recorder
  };
  HANDLE recording = record("run.dat");
  ASSERT_NE(recording, INVALID_HANDLE_VALUE);
  write(recording, "header");
  for (const Case& c : cases) {
    HANDLE second = open("run.dat", c.access, c.share, c.disposition);
    EXPECT_EQ(second != INVALID_HANDLE_VALUE, c.allowed) << "access " << c.access << ", share " << c.share;
    if (second != INVALID_HANDLE_VALUE) {
      CloseHandle(second);
    } else {
      EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
      EXPECT_EQ(contents("run.dat"), "header") << "the refused open changed nothing";
    }
  }
  CloseHandle(recording);
}

TEST_F(Files, CreateAlwaysReplacesAnExistingFile) {
  dsuptest::writeHostFile(temp.file("old.dat"), {1, 2, 3, 4, 5});
  HANDLE file = record("old.dat");
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(GetFileSize(file, nullptr), 0u);
  CloseHandle(file);
}

TEST_F(Files, OpenErrorsNameWhatIsMissing) {
  EXPECT_EQ(open("missing.dat", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(open("nodir/x.dat", GENERIC_WRITE, 0, CREATE_ALWAYS), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  HANDLE first = open("new.dat", GENERIC_WRITE, 0, CREATE_NEW);
  CloseHandle(first);
  EXPECT_EQ(open("new.dat", GENERIC_WRITE, 0, CREATE_NEW), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
}

TEST_F(Files, PositionsFollowSetFilePointer) {
  HANDLE file = record("pos.dat");
  write(file, "0123456789");
  EXPECT_EQ(SetFilePointer(file, -2, nullptr, FILE_END), 8u);
  write(file, "AB!");
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 11u);
  EXPECT_EQ(SetFilePointer(file, -20, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 11u) << "a failed move keeps the position";
  EXPECT_EQ(SetFilePointer(file, 14, nullptr, FILE_BEGIN), 14u);
  write(file, "Z");  // beyond the end: the gap reads as zeros
  EXPECT_EQ(contents("pos.dat"), std::string("01234567AB!\0\0\0Z", 15));

  char buffer[4];
  DWORD read = 99;
  EXPECT_TRUE(ReadFile(file, buffer, 4, &read, nullptr));
  EXPECT_EQ(read, 0u) << "reading at the end succeeds with nothing";
  SetFilePointer(file, 4, nullptr, FILE_BEGIN);
  EXPECT_TRUE(SetEndOfFile(file));
  EXPECT_EQ(GetFileSize(file, nullptr), 4u);
  CloseHandle(file);
}

TEST_F(Files, BackslashesSeparateDirectories) {
  std::u16string path = temp.path16();
  path.back() = u'\\';
  path += u"win.dat";
  HANDLE file = CreateFileW(dsuptest::w(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_TRUE(dsuptest::hostFileExists(temp.file("win.dat")));
}

TEST_F(Files, DeletingFollowsOpenHandles) {
  HANDLE file = record("del.dat");
  EXPECT_FALSE(DeleteFileW(file16("del.dat")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  CloseHandle(file);
  EXPECT_TRUE(DeleteFileW(file16("del.dat")));
  EXPECT_FALSE(dsuptest::hostFileExists(temp.file("del.dat")));

  EXPECT_FALSE(DeleteFileW(file16("del.dat")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFileW(file16("nodir/del.dat")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

  file = open("del.dat", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
              CREATE_ALWAYS);
  EXPECT_TRUE(DeleteFileW(file16("del.dat"))) << "the handle shares deleting";
  EXPECT_EQ(write(file, "still"), 5u) << "and keeps working after the delete";
  CloseHandle(file);
}

TEST_F(Files, HandlesReadAndWriteOnlyWithTheAccessTheyWereOpenedWith) {
  const DWORD sharesAll = FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE writer = open("access.dat", GENERIC_READ | GENERIC_WRITE, sharesAll, CREATE_ALWAYS);
  write(writer, "data");
  HANDLE reader = open("access.dat", GENERIC_READ, sharesAll, OPEN_EXISTING);
  char buffer[4] = {};
  DWORD count = 7;
  EXPECT_FALSE(WriteFile(reader, "more", 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(count, 0u);
  // Refused, and the file keeps its length; the error is not pinned (Wine reports
  // ERROR_INVALID_PARAMETER where Windows reports ERROR_ACCESS_DENIED).
  EXPECT_FALSE(SetEndOfFile(reader));
  HANDLE writeOnly = open("access.dat", GENERIC_WRITE, sharesAll, OPEN_EXISTING);
  EXPECT_FALSE(ReadFile(writeOnly, buffer, 4, &count, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  CloseHandle(writeOnly);
  CloseHandle(reader);
  CloseHandle(writer);
  EXPECT_EQ(contents("access.dat"), "data");
}

TEST_F(Files, InvalidHandlesFail) {
  HGLOBAL memory = GlobalAlloc(GHND, 4);
  HANDLE closed = record("closed.dat");
  CloseHandle(closed);
  char buffer[4] = {};
  DWORD count = 0;
  for (HANDLE handle : {HANDLE{nullptr}, INVALID_HANDLE_VALUE, closed, HANDLE{memory}}) {
    SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(handle));
    EXPECT_FALSE(ReadFile(handle, buffer, 4, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(WriteFile(handle, buffer, 4, &count, nullptr));
    EXPECT_EQ(SetFilePointer(handle, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetFileSize(handle, nullptr), INVALID_FILE_SIZE);
    if (handle != INVALID_HANDLE_VALUE) {
      EXPECT_FALSE(CloseHandle(handle));
    }
  }
  // The value of INVALID_HANDLE_VALUE is also the pseudo-handle of the process, which closes
  // without effect.
  EXPECT_TRUE(CloseHandle(INVALID_HANDLE_VALUE));
  GlobalFree(memory);
}

}  // namespace
