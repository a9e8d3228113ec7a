// dsup-demo [OUTPUT-DIRECTORY]: a simulated instrument driver at work. It records runs of every
// file type (snapshots taken while they record) and draws each run as an SVG plot, edits a method
// in a dialog with a scripted user, and stores the method in a text file that it parses back. The
// files stay in the output directory (default: demo-output) for dsup-dump to look at. Exits with 0
// when every step held.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "demo.h"
#include "sim/clock.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: dsup-demo [OUTPUT-DIRECTORY]\n";
    return 2;
  }
  try {
    const std::filesystem::path output = std::filesystem::absolute(argc == 2 ? argv[1] : "demo-output");
    std::filesystem::create_directories(output / "snapshots");
    const std::string directory = output.generic_string() + "/";

    sim::setCalendarTime(1781258400);  // 2026-06-12 10:00:00 UTC: the runs start here
    sim::setTickCount(0);

    std::vector<std::string> plots;
    bool held = demo::recordSignalRuns(directory, plots);
    held = demo::recordSpectraRun(directory, plots) && held;
    demo::Method method;
    held = demo::editMethodInDialog(method) && held;
    held = demo::roundTripMethodFile(directory, method) && held;

    std::cout << (held ? "\nEvery step held. Files are in " : "\nA step failed. Files are in ") << directory << "\n"
              << "Plots (SVG, open them in a browser):";
    for (const std::string& plot : plots) std::cout << ' ' << plot;
    std::cout << "\n";
    return held ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "dsup-demo: " << error.what() << "\n";
    return 1;
  }
}
