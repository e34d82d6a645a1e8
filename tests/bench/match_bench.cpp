// The cost of one title comparison of the auto-iconize scan with both foldings
// (0x329) next to a plain byte search over texts folded beforehand: folding
// must stay cheap enough that the scan over every window is no burden.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "framework/text/LetterCase.h"
#include "framework/text/MatchText.h"
#include "framework/text/WidthConversion.h"

namespace {

// 40 bytes: half-width katakana, a kanji, ASCII and full-width letters.
const TString kTitle("ﾃﾞｰﾀ ﾒﾓ帳 (v1.23) - Ｓｔｏｗｐａｎｅ.txt");
const TString kPattern("Stowpane");
constexpr unsigned kFoldedContains = 0x329;

TString Folded(const TString& text) { return ToHalfWidth(ToUpperLetters(text), kWidthAll); }

void MatchTextFolded(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MatchText(kTitle, kPattern, kFoldedContains));
}
BENCHMARK(MatchTextFolded);

void MatchTextPlain(benchmark::State& state) {
  const TString title = Folded(kTitle);
  const TString pattern = Folded(kPattern);
  for (auto _ : state) benchmark::DoNotOptimize(MatchText(title, pattern, 0x29));
}
BENCHMARK(MatchTextPlain);

void FindBytesPreFolded(benchmark::State& state) {
  const TString title = Folded(kTitle);
  const TString pattern = Folded(kPattern);
  for (auto _ : state) {
    size_t position = 0;
    benchmark::DoNotOptimize(FindBytes(title, pattern, &position));
    benchmark::DoNotOptimize(position);
  }
}
BENCHMARK(FindBytesPreFolded);

void StdFindPreFolded(benchmark::State& state) {
  const std::string title = Folded(kTitle).Bytes();
  const std::string pattern = Folded(kPattern).Bytes();
  for (auto _ : state) benchmark::DoNotOptimize(title.find(pattern));
}
BENCHMARK(StdFindPreFolded);

// Prints the usual table, then the ratio the scan's budget is judged by. CPU
// time, as the machines that run it are shared.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    const auto folded = times_.find("MatchTextFolded");
    if (folded == times_.end()) return;
    for (const char* plain : {"FindBytesPreFolded", "StdFindPreFolded"}) {
      const auto base = times_.find(plain);
      if (base == times_.end() || base->second <= 0) continue;
      std::cout << "MatchText 0x329 / " << plain << " (CPU time) = " << folded->second / base->second
                << " (budget: under 10)\n";
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  if (kTitle.Length() != 40 || kPattern.Length() != 8) {
    std::fprintf(stderr, "match_bench: the title must be 40 bytes and the pattern 8\n");
    return 2;
  }
  if (!MatchText(kTitle, kPattern, kFoldedContains)) {
    std::fprintf(stderr, "match_bench: the title must match, or the search ends early\n");
    return 2;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintRatios();
  return 0;
}
