// The text of a number field as the field checks read it: at most 14 characters (a longer text is
// cut), with the blanks at either end trimmed by the host's text helpers.
#pragma once

#include <windows.h>

namespace dsup::validation {

inline constexpr int fieldTextLength = 14;

struct FieldEntry {
  WCHAR text[fieldTextLength + 1] = {};  // trimmed
  bool empty = true;                     // nothing but blanks, or nothing at all
};

FieldEntry readFieldText(HWND dialog, int field);

}  // namespace dsup::validation
