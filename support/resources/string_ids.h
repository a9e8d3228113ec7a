// Names of the library's own texts (the string table of strings.def).
#pragma once

#include <windows.h>

namespace dsup {

enum StringId : UINT {
#define DSUP_STRING(name, id, text) name = id,
#include "resources/strings.def"
#undef DSUP_STRING
};

}  // namespace dsup
