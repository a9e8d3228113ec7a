// dsup-dump: prints the header fields and the data of a signal or spectra file as text, CSV or
// JSON, or, with --verify, the list of the file's violations of the format. Runs in-process for tests.
#pragma once

#include <ostream>
#include <span>
#include <string>

namespace dsupdump {

// Exit codes.
inline constexpr int exitVerified = 0;
inline constexpr int exitViolations = 1;
inline constexpr int exitUsage = 2;

// Runs the tool on its arguments (without the program name). Returns the exit code: 0 done (with
// --verify: no violation), 1 violations found (with --verify), 2 bad arguments or unreadable file.
int runDump(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace dsupdump
