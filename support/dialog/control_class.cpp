#include "dialog/control_class.h"

#include <algorithm>
#include <iterator>

namespace dsup::dialog {

namespace {

// The class name of the timetable editor's scroller control, registered outside the library.
constexpr char16_t scrollerClassName[] = u"QXLUMO_UTIL_SCROLLER_02";

char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool sameClassName(const WCHAR* name, int length, const char16_t* expected) {
  const auto expectedLength = static_cast<int>(std::char_traits<char16_t>::length(expected));
  return length == expectedLength &&
         std::equal(name, name + length, expected, [](WCHAR a, char16_t b) { return upper(static_cast<char16_t>(a)) == upper(b); });
}

}  // namespace

ControlClass controlClassOf(HWND control) {
  // Longer than any name compared here, so that a longer name never matches by its beginning.
  WCHAR name[32];
  const int length = control ? GetClassNameW(control, name, static_cast<int>(std::size(name))) : 0;
  if (sameClassName(name, length, u"EDIT")) return ControlClass::edit;
  if (sameClassName(name, length, u"COMBOBOX")) return ControlClass::comboBox;
  if (sameClassName(name, length, scrollerClassName)) return ControlClass::scroller;
  return ControlClass::other;
}

bool isMultiLine(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE) != 0; }

}  // namespace dsup::dialog
