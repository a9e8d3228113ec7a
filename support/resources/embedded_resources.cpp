// The library's resources on hosts without Windows: the string table and the version data are
// registered with the platform's module loader when the library is loaded, where Windows would
// read them from the image's resource section.
#include <qxplatform.h>

#include "dsup_version.h"

namespace {

struct StringEntry {
  UINT id;
  const WCHAR* text;
};

constexpr StringEntry strings[] = {
#define DSUP_STRING(name, id, text) {id, u"" text},
#include "resources/strings.def"
#undef DSUP_STRING
};

constexpr PlatformVersionInfo version = {u"" DSUP_MODULE_NAME, u"" DSUP_VERSION_TEXT, u"" DSUP_DESCRIPTION};

bool registerResources() {
  HINSTANCE self = PlatformModuleOfAddress(&strings);
  bool registered = PlatformSetVersionInfo(self, &version) != FALSE;
  for (const StringEntry& entry : strings) registered &= PlatformAddString(self, entry.id, entry.text) != FALSE;
  return registered;
}

[[maybe_unused]] const bool resourcesRegistered = registerResources();

}  // namespace
