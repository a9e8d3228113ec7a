// DSupParseInit and DSupParseNext: the interpreter of compiled parse tables. Each call of
// DSupParseNext runs instructions from the state's position until one yields a result, the
// grammar ends, or a test fails with no jump armed. The state's `step` says which part of the
// current instruction comes next (main operation, then the equals, real and short integer flags),
// and it is advanced before the part runs, so a call that returns resumes with the part after it.
#include <dsup.h>

#include "parse/number_reader.h"
#include "parse/parse_operations.h"
#include "parse/table_format.h"

namespace dsup {

namespace {

using parse_format::Opcode;

static_assert(DSUP_PARSE_TEXT_SIZE == parse_format::textCapacity + 1, "text holds 80 characters and a zero");

enum class Outcome { proceed, yielded, syntaxError, end };

struct Operation {
  Opcode opcode;
  WORD operand;
};

const BYTE* instructionAt(const ParseState& state, WORD index) {
  return state.program + index * parse_format::instructionSize;
}

// Picks the next part of the current instruction to run and advances `step` (and, behind the last
// part, `pc`). Flags that are not set are passed at once; when the instruction has nothing left to
// run, the next instruction's main operation follows without passing blanks first.
Operation nextOperation(ParseState& state) {
  for (;;) {
    state.instruction = instructionAt(state, static_cast<WORD>(state.pc));
    const BYTE head = state.instruction[0];
    switch (state.step) {
      case stepMainOperation:
        state.step = stepEqualsFlag;
        return {static_cast<Opcode>(head & parse_format::opcodeMask), parse_format::loadWord(state.instruction + 1)};
      case stepEqualsFlag:
        if (head & parse_format::equalsFlag) {
          state.step = stepRealFlag;
          return {Opcode::equals, 0};
        }
        [[fallthrough]];
      case stepRealFlag:
        if (head & parse_format::realFlag) {
          state.step = stepShortIntFlag;
          return {Opcode::real, 0};
        }
        [[fallthrough]];
      default:
        ++state.pc;
        state.step = stepMainOperation;
        if (head & parse_format::shortIntFlag) return {Opcode::shortInt, 0};
    }
  }
}

void armJump(ParseState& state, WORD target, bool onFailure) {
  state.branchArmed = 1;
  state.branchOnFailure = onFailure ? 1 : 0;
  state.branchTarget = target;
}

// The test rule: an armed jump turns the test's outcome into a choice (taken on a match or on a
// failure, as armed) and is disarmed either way; without one, a failed test is a syntax error.
Outcome test(ParseState& state, bool matched) {
  if (!state.branchArmed) return matched ? Outcome::proceed : Outcome::syntaxError;
  if (matched == (state.branchOnFailure == 0)) {
    state.pc = static_cast<SHORT>(state.branchTarget);
    state.step = stepMainOperation;
  }
  state.branchArmed = 0;
  return Outcome::proceed;
}

template <class Value>
bool takeNumber(ParseState& state, NumberRead<Value> read) {
  state.cursor += read.consumed;
  return read.consumed > 0;
}

Outcome run(ParseState& state, Operation operation) {
  switch (operation.opcode) {
    case Opcode::equals: {
      const bool matched = *state.cursor == '=';
      if (matched) ++state.cursor;
      return test(state, matched);
    }
    case Opcode::onMatch:
      armJump(state, operation.operand, false);
      return Outcome::proceed;
    case Opcode::jump:
      state.pc = static_cast<SHORT>(operation.operand);
      state.step = stepMainOperation;
      return Outcome::proceed;
    case Opcode::charset:
      return test(state, matchCharset(state, operation.operand));
    case Opcode::keyword:
      return test(state, matchKeyword(state, operation.operand));
    case Opcode::shortInt: {
      // Nine characters hold at most 999999999, inside the 32-bit range: the low 16 bits of the
      // exact value are kept.
      const NumberRead<LONG> read = readInteger(state.cursor, parse_format::shortIntFieldWidth);
      state.shortValue = static_cast<SHORT>(static_cast<WORD>(read.value));
      return test(state, takeNumber(state, read));
    }
    case Opcode::real: {
      const NumberRead<double> read = readReal(state.cursor);
      state.realValue = read.value;
      return test(state, takeNumber(state, read));
    }
    case Opcode::longInt: {
      const NumberRead<LONG> read = readInteger(state.cursor, parse_format::longIntFieldWidth);
      state.longValue = read.value;
      return test(state, takeNumber(state, read));
    }
    case Opcode::skipToSeparator:
      skipToSeparator(state);
      return Outcome::proceed;
    case Opcode::yield:
      state.resultCode = operation.operand;
      return Outcome::yielded;
    case Opcode::end:
      // The state stays on END, so that calling again returns the end again instead of running
      // on past the last instruction.
      state.step = stepMainOperation;
      return Outcome::end;
    case Opcode::setTag:
      state.tag = operation.operand;
      return Outcome::proceed;
    case Opcode::onFailure:
      armJump(state, operation.operand, true);
      return Outcome::proceed;
    case Opcode::keywordWord: {
      const Outcome outcome = test(state, matchKeyword(state, operation.operand));
      if (outcome != Outcome::syntaxError) skipLetters(state);
      return outcome;
    }
    case Opcode::keywordLookup:
      return lookupKeyword(state, operation.operand) ? Outcome::proceed : Outcome::syntaxError;
    case Opcode::setSeparator:
      state.separator = static_cast<char>(LOBYTE(operation.operand));
      return Outcome::proceed;
    case Opcode::setQuote:
      state.quote = static_cast<char>(LOBYTE(operation.operand));
      return Outcome::proceed;
    case Opcode::skipField:
      return skipField(state) ? Outcome::proceed : Outcome::syntaxError;
    case Opcode::textUntil:
      copyTextUntil(state, static_cast<char>(LOBYTE(operation.operand)));
      return Outcome::proceed;
    case Opcode::textCount:
      copyTextCount(state, operation.operand);
      return Outcome::proceed;
    case Opcode::nop:
      break;
  }
  return Outcome::proceed;  // NOP and the unassigned codes
}

INT runUntilResult(ParseState& state) {
  for (;;) {
    while (*state.cursor == ' ') ++state.cursor;
    switch (run(state, nextOperation(state))) {
      case Outcome::proceed:
        continue;
      case Outcome::yielded:
        return DSUP_PARSE_YIELDED;
      case Outcome::syntaxError:
        return DSUP_PARSE_SYNTAX_ERROR;
      case Outcome::end:
        return DSUP_PARSE_END;
    }
  }
}

}  // namespace

}  // namespace dsup

extern "C" {

INT DSUP_CALL DSupParseInit(const ParseTable* table, INT key, const char* text, ParseState* state) noexcept {
  using namespace dsup::parse_format;
  if (!table || !text || !state) return 0;
  const BYTE* bytes = reinterpret_cast<const BYTE*>(table);
  const auto section = [bytes](int offsetAt) { return bytes + static_cast<SHORT>(loadWord(bytes + offsetAt)); };
  state->entryDirectory = section(entryDirectoryOffsetAt);
  state->keywordIndex = section(keywordIndexOffsetAt);
  state->stringPool = section(stringPoolOffsetAt);
  state->program = section(programOffsetAt);
  state->cursor = text;
  state->step = dsup::stepMainOperation;
  state->branchArmed = 0;
  state->separator = initialSeparator;
  state->quote = '\0';

  const int lastEntry = static_cast<SHORT>(loadWord(state->entryDirectory));
  for (int i = 0; i <= lastEntry; ++i) {
    const BYTE* entry = state->entryDirectory + directoryCountSize + i * directoryEntrySize;
    if (static_cast<SHORT>(loadWord(entry + directoryKeyAt)) != key) continue;
    state->pc = static_cast<SHORT>(loadWord(entry + directoryFirstInstructionAt));
    return 1;
  }
  return 0;
}

INT DSUP_CALL DSupParseNext(ParseState* state) noexcept {
  if (!state || !state->program || !state->cursor) return DSUP_PARSE_SYNTAX_ERROR;
  return dsup::runUntilResult(*state);
}

}  // extern "C"
