// How dsup-dump writes numbers, texts, header fields and violations, for both kinds of file: texts
// are quoted with quotes, backslashes and control characters escaped, so that a hostile file cannot
// break the output's structure or drive a terminal.
#pragma once

#include <ostream>
#include <string>

#include "decoded_file.h"

namespace dsupdump {

std::string number(double value);
std::string quoted(const std::string& text);
// JSON has no non-finite numbers: those are written as strings.
std::string jsonNumber(double value);

// The header fields: one "  name @offset = value" line each; a "field,offset,value" table; or a
// JSON member ,"header":[...].
void writeHeaderText(std::ostream& out, const dsupreader::DecodedFile& file);
void writeHeaderCsv(std::ostream& out, const dsupreader::DecodedFile& file);
void writeHeaderJson(std::ostream& out, const dsupreader::DecodedFile& file);

// One "  violation: ..." line each; or the JSON member "violations":[...].
void writeViolationLines(std::ostream& out, const dsupreader::DecodedFile& file);
void writeJsonViolations(std::ostream& out, const dsupreader::DecodedFile& file);

}  // namespace dsupdump
