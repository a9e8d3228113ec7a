#include "parse/keyword_compare.h"
#include "parse/parse_operations.h"

namespace dsup {

namespace {

KeywordComparison compareAtCursor(const ParseState& state, WORD keywordOffset) {
  const PoolString keyword = poolString(state, keywordOffset);
  return compareKeyword(state.cursor, keyword.characters, keyword.length);
}

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool matchKeyword(ParseState& state, WORD keywordOffset) {
  const KeywordComparison comparison = compareAtCursor(state, keywordOffset);
  if (comparison.outcome != 0) return false;
  state.cursor += comparison.matchedLength;
  return true;
}

bool matchCharset(ParseState& state, WORD setOffset) {
  const char at = *state.cursor;
  if (at == '\0') return false;
  const PoolString set = poolString(state, setOffset);
  for (int i = 0; i < set.length; ++i) {
    if (set.characters[i] != at) continue;
    state.matchedChar = at;
    ++state.cursor;
    return true;
  }
  return false;
}

bool lookupKeyword(ParseState& state, WORD list) {
  const auto cell = [&state](int index) {
    return parse_format::loadWord(state.keywordIndex + index * parse_format::keywordIndexCellSize);
  };
  int low = list + 1;
  int high = cell(list);
  while (low <= high) {
    const int mid = (low + high) / 2;
    const WORD candidate = cell(mid);
    const BYTE* instruction = state.program + candidate * parse_format::instructionSize;
    const KeywordComparison comparison = compareAtCursor(state, parse_format::loadWord(instruction + 1));
    if (comparison.outcome == 0) {
      state.cursor += comparison.matchedLength;
      state.pc = static_cast<SHORT>(candidate);
      state.step = stepEqualsFlag;  // the candidate's flags, then the instruction behind it
      return true;
    }
    if (comparison.outcome < 0) high = mid - 1;
    else low = mid + 1;
  }
  return false;
}

void skipLetters(ParseState& state) {
  while (isLetter(*state.cursor)) ++state.cursor;
}

}  // namespace dsup
