#include <iostream>
#include <string>
#include <vector>

#include "dump.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return dsupdump::runDump(arguments, std::cout, std::cerr);
}
