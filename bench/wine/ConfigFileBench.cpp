// Measures, under Wine, loading and saving a settings file of the largest size
// Brimlet reads (1 MiB): what the tray thread spends on one load, and on the
// read, edit and replace of a saving OK. Prints one Markdown table.
// Usage: config_file_bench [rounds, default 20]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/ConfigFile.h"
#include "config/SettingsStore.h"
#include "tests/support/TestFiles.h"

namespace {

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// A file just under the limit: the section first, then many lines of notes.
std::string LargestFile(bool sectionLast) {
  const std::string section = "[Brimlet]\r\nSound = true\r\nInterval = 250\r\n";
  std::string notes = "[Notes]\r\n";
  while (notes.size() + section.size() + 64 < kLargestConfigFile) {
    notes += "Note = \xE9\x9F\xB3\xE9\x87\x8F 0123456789 abcdefghijklmnopqrstuvwxyz\r\n";
  }
  return sectionLast ? notes + section : section + notes;
}

struct Figures {
  double loadMedian;
  double loadMax;
  double saveMedian;
  double saveMax;
};

Figures Measure(const std::wstring& path, const std::string& bytes, int rounds) {
  const SettingsStore store({L"", path, L""});
  std::vector<double> loads;
  std::vector<double> saves;
  for (int round = 0; round < rounds; ++round) {
    WriteFileBytes(path, bytes);
    LONGLONG start = Now();
    const Settings settings = store.Read().value_or(Settings{});
    loads.push_back(Milliseconds(Now() - start));

    start = Now();
    Settings changed = settings;
    changed.volumeInterval = 300 + round;
    if (!store.Write(changed)) std::fprintf(stderr, "save failed\n");
    saves.push_back(Milliseconds(Now() - start));
  }
  std::sort(loads.begin(), loads.end());
  std::sort(saves.begin(), saves.end());
  return {loads[loads.size() / 2], loads.back(), saves[saves.size() / 2], saves.back()};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"brimlet-config-bench";
  RemoveTree(folder);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"\\config.ini";

  std::printf("| file (UTF-8 without a mark) | load: median (ms) | load: slowest (ms) | saving OK: median (ms) | "
              "saving OK: slowest (ms) |\n|---|---|---|---|---|\n");
  for (const bool sectionLast : {false, true}) {
    const std::string bytes = LargestFile(sectionLast);
    const Figures figures = Measure(path, bytes, rounds);
    std::printf("| %zu bytes, section %s | %.1f | %.1f | %.1f | %.1f |\n", bytes.size(),
                sectionLast ? "last" : "first", figures.loadMedian, figures.loadMax, figures.saveMedian,
                figures.saveMax);
  }
  std::printf("\n%d rounds each; a saving OK reads the file, sets every key it writes and replaces the file.\n", rounds);
  RemoveTree(folder);
  return 0;
}
