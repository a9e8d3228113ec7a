// How a keyword is compared with the text at the cursor. KEYWORD, KEYWORD_WORD and the binary
// search of KEYWORD_LOOKUP use it in the parser, and the grammar compiler orders keyword lists with
// it, so that a list the compiler accepts is a list the search can find every keyword in.
#pragma once

namespace dsup {

// A to Z become a to z; every other character, bytes above 127 included, stays as it is.
constexpr unsigned char lowerAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

struct KeywordComparison {
  // Lowered text character minus lowered keyword character of the last pair compared (characters
  // as unsigned bytes): 0 when the text begins with the keyword, negative when it sorts before it.
  int outcome;
  // Characters the cursor moves over on a match: the keyword's length, or fewer when the keyword
  // holds a zero, so that a match never carries the cursor beyond the text's terminating zero.
  int matchedLength;
};

// Compares at most `length` characters of `keyword` with `text`, stopping at the first pair that
// differs or at a zero on either side. What follows the keyword in the text is not looked at.
// REQUIRES: text is zero-terminated; keyword holds `length` characters.
constexpr KeywordComparison compareKeyword(const char* text, const char* keyword, int length) {
  int outcome = 0;
  int compared = 0;
  for (; compared < length; ++compared) {
    const unsigned char t = lowerAscii(static_cast<unsigned char>(text[compared]));
    const unsigned char k = lowerAscii(static_cast<unsigned char>(keyword[compared]));
    outcome = t - k;
    if (outcome != 0 || t == 0) break;
  }
  return {outcome, compared};
}

}  // namespace dsup
