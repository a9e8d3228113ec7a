// The library's own module instance and its resources: the string table that the header builder
// reads with LoadStringW, and the version data.
#include <dsup.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/wide_text.h"

#if DSUP_SIMULATION
#include <qxplatform.h>
#endif

namespace {

using dsuptest::text;

HINSTANCE libraryInstance() {
#if DSUP_SIMULATION
  return PlatformModuleOfAddress(reinterpret_cast<const void*>(&DSupFlipLong));
#else
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&DSupFlipLong), &module);
  return module;
#endif
}

std::u16string loadString(UINT id, int capacity) {
  WCHAR buffer[64] = {};
  const int length = LoadStringW(libraryInstance(), id, buffer, capacity);
  return text(buffer, static_cast<std::size_t>(length));
}

// The version data as a driver would read it: module name and version text.
std::u16string versionValue(const char16_t* name) {
#if DSUP_SIMULATION
  PlatformVersionInfo info{};
  if (!PlatformGetVersionInfo(libraryInstance(), &info)) return {};
  const std::u16string key(name);
  return text(key == u"ProductName" ? info.moduleName : key == u"FileVersion" ? info.versionText : info.description);
#else
  WCHAR path[MAX_PATH];
  GetModuleFileNameW(libraryInstance(), path, MAX_PATH);
  std::vector<BYTE> data(GetFileVersionInfoSizeW(path, nullptr));
  if (data.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data())) return {};
  const std::u16string query = u"\\StringFileInfo\\040904B0\\" + std::u16string(name);
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), dsuptest::w(query), &value, &length)) return {};
  return text(static_cast<const WCHAR*>(value));
#endif
}

TEST(LibraryResources, StringTableHoldsTheFourteenHeaderTexts) {
  const char16_t* expected[] = {u"31",  u"30",  u"8",   u"LC DATA FILE", u"GC DATA FILE",
                                u"LC",  u"GC",  u"131", u"130",          u"108",
                                u"179", u"GC DATA FILE", u"GC", u"181"};
  for (UINT id = 1; id <= 14; ++id) EXPECT_EQ(loadString(id, 64), expected[id - 1]) << "id " << id;
}

TEST(LibraryResources, TextsAreCutToTheBuffersTheHeaderBuilderUses) {
  // The type number is loaded into 4 code units, the kind text into 19, the technique into 9.
  EXPECT_EQ(loadString(9, 4), u"130");
  EXPECT_EQ(loadString(4, 4), u"LC ");
  EXPECT_EQ(loadString(4, 19), u"LC DATA FILE");
}

// The validation messages are inserted into a caller's framing message as its first insert,
// loaded into 100 code units; 117 is also shown on its own, as a format without arguments.
TEST(LibraryResources, ValidationMessagesAreWholeSentencesThatFitTheirBuffer) {
  const UINT messages[] = {100, 101, 102, 103, 104, 110, 117, 118};
  for (UINT id : messages) {
    WCHAR buffer[512] = {};
    const int length = LoadStringW(libraryInstance(), id, buffer, 512);
    const std::u16string message = text(buffer, static_cast<std::size_t>(length));
    EXPECT_GT(length, 0) << "message " << id;
    EXPECT_LE(length, 99) << "message " << id << " is cut in its 100-unit buffer";
    EXPECT_EQ(message.find(u'%'), std::u16string::npos) << "message " << id << " holds a directive";
    EXPECT_TRUE(!message.empty() && message.front() >= u'A' && message.front() <= u'Z' && message.back() == u'.')
        << "message " << id << " is not a whole sentence";
  }
}

TEST(LibraryResources, VersionDataNamesTheModule) {
  EXPECT_EQ(versionValue(u"ProductName"), u"QXDSUP01");
  EXPECT_FALSE(versionValue(u"FileVersion").empty());
  EXPECT_FALSE(versionValue(u"FileDescription").empty());
}

}  // namespace
