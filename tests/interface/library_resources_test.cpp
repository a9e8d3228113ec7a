// The library's own module instance and its resources: the string table that the header builder
// reads with LoadStringW, and the version data.
#include <dsup.h>
#include <gtest/gtest.h>
#include <qxplatform.h>

#include <string>

namespace {

HINSTANCE libraryInstance() {
  return PlatformModuleOfAddress(reinterpret_cast<const void*>(&DSupFlipLong));
}

std::u16string loadString(UINT id, int capacity) {
  WCHAR buffer[64] = {};
  const int length = LoadStringW(libraryInstance(), id, buffer, capacity);
  return std::u16string(buffer, static_cast<std::size_t>(length));
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

TEST(LibraryResources, VersionDataNamesTheModule) {
  PlatformVersionInfo info{};
  ASSERT_TRUE(PlatformGetVersionInfo(libraryInstance(), &info));
  EXPECT_EQ(std::u16string(info.moduleName), u"QXDSUP01");
  EXPECT_FALSE(std::u16string(info.versionText).empty());
  EXPECT_FALSE(std::u16string(info.description).empty());
}

}  // namespace
