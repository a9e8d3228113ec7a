// The demo driver's method file: written as text, read back line by line with the library's line
// reader and parsed with the driver's grammar, compiled by dsup-grammar into demo_method_grammar.h.
#include <dsup.h>

#include <fstream>
#include <iostream>
#include <string>

#include "demo.h"
#include "demo_method_grammar.h"

namespace demo {

namespace {

enum Setting : WORD {
  nameSetting = 1,
  flowSetting,
  ovenSetting,
  stopSetting,
  wavelengthSetting,
  injectionsSetting,
  stepTimeSetting,
  stepTemperatureSetting,
  stopOffSetting,
};

void writeMethodFile(const std::string& path, const Method& method) {
  std::ofstream out(path, std::ios::binary);
  out << "# Demo method\r\n"
      << "NAME = \"" << narrow(method.name) << "\"\r\n"
      << "FLOW = " << method.flow << "\r\n"
      << "Oven = " << method.ovenTemperature << "\r\n"
      << "Injections = " << method.injections << "\r\n";
  if (method.stopTimeOff)
    out << "StopTime = Off\r\n";
  else
    out << "StopTime = " << method.stopTime << "\r\n";
  out << "wavelength = " << method.wavelength << "\r\n";
  for (const ProgramStep& step : method.program) out << "Step = " << step.time << ", " << step.temperature << "\r\n";
}

// Parses one line into the method; comment lines and lines of no setting are passed over.
bool parseLine(const char* line, Method& method) {
  if (line[0] == '#') return true;
  ParseState state;
  if (!DSupParseInit(reinterpret_cast<const ParseTable*>(demoMethodGrammar), 1, line, &state)) return false;
  for (;;) {
    const INT result = DSupParseNext(&state);
    if (result == DSUP_PARSE_END) return true;
    if (result != DSUP_PARSE_YIELDED) {
      std::cout << "  syntax error in: " << line;
      return false;
    }
    switch (state.resultCode) {
      case nameSetting: method.name = wide(state.text); break;
      case flowSetting: method.flow = state.realValue; break;
      case ovenSetting: method.ovenTemperature = state.realValue; break;
      case stopSetting: method.stopTime = state.realValue; break;
      case wavelengthSetting: method.wavelength = state.longValue; break;
      case injectionsSetting: method.injections = state.longValue; break;
      case stepTimeSetting: method.program.push_back({state.realValue, 0.0}); break;
      case stepTemperatureSetting:
        if (!method.program.empty()) method.program.back().temperature = state.realValue;
        break;
      case stopOffSetting: method.stopTimeOff = true; break;
    }
  }
}

}  // namespace

bool roundTripMethodFile(const std::string& directory, const Method& method) {
  const std::string path = directory + "METHOD.TXT";
  std::cout << "\nStoring the method in " << path << " and parsing it back\n";
  writeMethodFile(path, method);

  const std::u16string widePath = wide(path);
  HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(widePath.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::cout << "  cannot open the method file\n";
    return false;
  }
  Method parsed;
  bool held = true;
  int lines = 0;
  char line[128];
  while (DSupReadLineFromFile(line, sizeof line - 1, file)) {
    ++lines;
    held &= parseLine(line, parsed);
  }
  CloseHandle(file);

  std::cout << "  " << lines << " lines: " << narrow(parsed.name) << ", flow " << parsed.flow << " ml/min, oven "
            << parsed.ovenTemperature << " C, " << parsed.injections << " injections, stop time ";
  if (parsed.stopTimeOff)
    std::cout << "Off";
  else
    std::cout << parsed.stopTime << " min";
  std::cout << ", " << parsed.wavelength << " nm, " << parsed.program.size() << " program steps\n";
  // An "Off" stop time keeps no number in the file.
  if (parsed.stopTimeOff) parsed.stopTime = method.stopTime;
  const bool same = parsed == method;
  std::cout << (same ? "  the same values came back\n" : "  the values differ from the dialog's\n");
  return held && same;
}

}  // namespace demo
