#include "parse/parse_operations.h"

namespace dsup {

namespace {

// Moves to the next `separator` or to the end of the text and steps over the separator when one
// was found. A zero separator finds the end of the text, which is never stepped over.
void moveBehindSeparator(ParseState& state) {
  while (*state.cursor != '\0' && *state.cursor != state.separator) ++state.cursor;
  if (*state.cursor != '\0') ++state.cursor;
}

// Copies characters from the cursor into the state's text until `stop` says so or the text ends,
// keeping the first ones that fit and passing over the rest.
template <class Stop>
void copyText(ParseState& state, Stop stop) {
  int kept = 0;
  for (int passed = 0; *state.cursor != '\0' && !stop(passed); ++passed, ++state.cursor)
    if (kept < parse_format::textCapacity) state.text[kept++] = *state.cursor;
  state.text[kept] = '\0';
}

}  // namespace

void skipToSeparator(ParseState& state) {
  if (*state.cursor != '\0') moveBehindSeparator(state);
}

bool skipField(ParseState& state) {
  if (*state.cursor == '\0') return true;
  if (state.quote == '\0') {
    moveBehindSeparator(state);
    return true;
  }
  if (*state.cursor == state.quote) {
    ++state.cursor;
    moveBehindSeparator(state);
    return true;
  }
  if (*state.cursor == state.separator) {
    ++state.cursor;  // an empty field
    return true;
  }
  return false;
}

void copyTextUntil(ParseState& state, char delimiter) {
  copyText(state, [&state, delimiter](int) { return *state.cursor == delimiter; });
}

void copyTextCount(ParseState& state, WORD count) {
  copyText(state, [count](int passed) { return passed >= count; });
}

}  // namespace dsup
