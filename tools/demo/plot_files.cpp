// The demo's plots: every file it recorded drawn beside it as an SVG page, named after it.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "demo.h"
#include "plots.h"

namespace demo {

namespace {

template <typename File>
bool draw(const std::string& directory, const std::string& name, const File& file, std::vector<std::string>& plots) {
  const std::string plot = std::filesystem::path(name).replace_extension(".svg").string();
  std::ofstream out(directory + plot, std::ios::binary);
  if (out) dsupdump::writePlot(out, name, file);
  if (!out.flush()) {
    std::cout << "    cannot write the plot " << directory + plot << "\n";
    return false;
  }
  plots.push_back(plot);
  return true;
}

}  // namespace

bool drawPlot(const std::string& directory, const std::string& name, const dsupreader::SignalFile& file,
              std::vector<std::string>& plots) {
  return draw(directory, name, file, plots);
}

bool drawPlot(const std::string& directory, const std::string& name, const dsupreader::SpectraFile& file,
              std::vector<std::string>& plots) {
  return draw(directory, name, file, plots);
}

}  // namespace demo
