// The operations of the parse table's instructions that work on the text, apart from the number
// reading of number_reader.h. Each works on the caller's parser state: the cursor never moves past
// the text's terminating zero.
#pragma once

#include <dsup.h>

#include "parse/table_format.h"

namespace dsup {

// The values of ParseState::step: what the current instruction does next.
inline constexpr DWORD stepMainOperation = 0;
inline constexpr DWORD stepEqualsFlag = 1;
inline constexpr DWORD stepRealFlag = 2;
inline constexpr DWORD stepShortIntFlag = 3;

// A string of the table's pool: a keyword or a character set.
struct PoolString {
  const char* characters;
  int length;
};

inline PoolString poolString(const ParseState& state, WORD offset) {
  const BYTE* at = state.stringPool + offset;
  return {reinterpret_cast<const char*>(at + parse_format::poolLengthSize), static_cast<signed char>(at[0])};
}

// KEYWORD: whether the text at the cursor begins with the keyword (case-insensitive); on a match
// the cursor moves over it.
bool matchKeyword(ParseState& state, WORD keywordOffset);

// CHARSET: whether the character at the cursor is one of the set's (case counts); on a match it
// goes to matchedChar and the cursor moves over it. The text's zero never matches.
bool matchCharset(ParseState& state, WORD setOffset);

// KEYWORD_LOOKUP: binary search of the keyword list whose head cell is `list` for the keyword at
// the cursor. On a match the cursor moves over the keyword and the state goes on with the flags
// of the keyword's instruction; returns false when no keyword of the list matches.
bool lookupKeyword(ParseState& state, WORD list);

// The rest of KEYWORD_WORD: moves the cursor over the letters (A to Z, a to z) at it.
void skipLetters(ParseState& state);

// SKIP_TO_SEPARATOR: unless at the end of the text, moves to the next separator or to the end and
// steps over the separator when there is one.
void skipToSeparator(ParseState& state);

// SKIP_FIELD: steps over one field, quoted or not. Returns false when quoting is on and the cursor
// is neither at the quote nor at the separator.
bool skipField(ParseState& state);

// TEXT_UNTIL: copies the text up to the delimiter (or the end) into the state's text, keeping the
// first 80 characters and passing over the rest; the delimiter stays at the cursor.
void copyTextUntil(ParseState& state, char delimiter);

// TEXT_COUNT: copies the next `count` characters (fewer at the end of the text) into the state's
// text, keeping the first 80 and passing over the rest.
void copyTextCount(ParseState& state, WORD count);

}  // namespace dsup
