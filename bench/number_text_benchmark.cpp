// Numbers in fields, a million values at a time: DoubleFormat (a field of 10 characters, 3
// decimals, and trim mode with at most 3) against snprintf with "%.3f", and the reading of a
// field's text (blanks removed, then the strict decimal reader) against strtod, on the texts of
// the same values. Each run times both on the same values and reports c_library_ratio = the
// library's time / the C library's time.
#include <benchmark/benchmark.h>
#include <dsup.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "dialog/number_text.h"

namespace {

constexpr std::size_t valueCount = 1'000'000;
constexpr int fieldWidth = 10;
constexpr int decimals = 3;

using Clock = std::chrono::steady_clock;

// Values as fields hold them: magnitudes from 1e-4 to 1e8, either sign.
const std::vector<double>& values() {
  static const std::vector<double> all = [] {
    std::vector<double> made(valueCount);
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> decade(-4.0, 8.0);
    std::bernoulli_distribution negative(0.3);
    for (double& value : made) value = (negative(random) ? -1.0 : 1.0) * std::pow(10.0, decade(random));
    return made;
  }();
  return all;
}

// The texts of the values as a field shows them, with the blanks that a user may leave around them.
struct FieldTexts {
  std::vector<std::u16string> wide;
  std::vector<std::string> narrow;
};

const FieldTexts& fieldTexts() {
  static const FieldTexts all = [] {
    FieldTexts made;
    made.wide.reserve(valueCount);
    made.narrow.reserve(valueCount);
    for (const double value : values()) {
      WCHAR text[DSUP_FLOAT_TEXT_CAPACITY];
      DoubleFormat(text, value, fieldWidth, decimals);
      std::u16string wide = u" ";
      for (const WCHAR* c = text; *c; ++c) wide += static_cast<char16_t>(*c);
      made.narrow.emplace_back(wide.begin(), wide.end());
      made.wide.push_back(std::move(wide));
    }
    return made;
  }();
  return all;
}

template <typename Work>
double secondsOf(Work work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void reportRatio(benchmark::State& state, double librarySeconds, double cLibrarySeconds) {
  const double done = static_cast<double>(state.iterations()) * valueCount;
  state.counters["values_per_s"] = benchmark::Counter(done, benchmark::Counter::kIsRate);
  state.counters["c_library_ratio"] = librarySeconds / cLibrarySeconds;
}

void formatValues(benchmark::State& state, int digits) {
  const std::vector<double>& all = values();
  double librarySeconds = 0.0, cLibrarySeconds = 0.0;
  WCHAR text[DSUP_FLOAT_TEXT_CAPACITY];
  char narrow[DSUP_FLOAT_TEXT_CAPACITY];
  for (auto _ : state) {
    const double seconds = secondsOf([&] {
      for (const double value : all) {
        DoubleFormat(text, value, fieldWidth, digits);
        benchmark::DoNotOptimize(text);
      }
    });
    state.SetIterationTime(seconds);
    librarySeconds += seconds;
    cLibrarySeconds += secondsOf([&] {
      for (const double value : all) {
        std::snprintf(narrow, sizeof narrow, "%.*f", decimals, value);
        benchmark::DoNotOptimize(narrow);
      }
    });
  }
  reportRatio(state, librarySeconds, cLibrarySeconds);
}

void readTexts(benchmark::State& state) {
  const FieldTexts& texts = fieldTexts();
  double librarySeconds = 0.0, cLibrarySeconds = 0.0;
  for (auto _ : state) {
    const double seconds = secondsOf([&] {
      for (const std::u16string& text : texts.wide) {
        const dsup::dialog::FieldText field(reinterpret_cast<const WCHAR*>(text.data()), text.size());
        benchmark::DoNotOptimize(dsup::dialog::readDecimal(dsup::dialog::withoutBlanks(field)));
      }
    });
    state.SetIterationTime(seconds);
    librarySeconds += seconds;
    cLibrarySeconds += secondsOf([&] {
      for (const std::string& text : texts.narrow) {
        char* end = nullptr;
        benchmark::DoNotOptimize(std::strtod(text.c_str(), &end));
        benchmark::DoNotOptimize(end);
      }
    });
  }
  reportRatio(state, librarySeconds, cLibrarySeconds);
}

BENCHMARK_CAPTURE(formatValues, width10_decimals3, decimals)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(formatValues, width10_trim3, -decimals)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(readTexts)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
