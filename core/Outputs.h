#pragma once
// The sound outputs Windows has, and which one the output key moves to.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Desktop.h"

struct OutputDevice {
  std::wstring id;    // Windows' endpoint id
  std::wstring name;  // as Windows shows it ("Speakers (Realtek Audio)")
  bool isDefault = false;

  friend bool operator==(const OutputDevice&, const OutputDevice&) = default;
};

// The names of an OutputDevices text: separated by "|", blanks around them
// ignored, empty ones left out.
std::vector<std::wstring> OutputNames(std::wstring_view text);
// The names joined by "|", as the file holds them.
std::wstring JoinOutputNames(std::span<const std::wstring> names);

inline constexpr size_t kNoOutput = static_cast<size_t>(-1);

// The output the key moves the default to, an index into `outputs` (the
// active ones, in Windows' order): with names chosen, the next of them after
// the default, in their order, that is present now (names compared without
// case by `names`), else the first present; without, the next output in
// Windows' order; round after the last. kNoOutput when there is nowhere to go.
size_t NextOutput(std::span<const OutputDevice> outputs, std::span<const std::wstring> chosen, Desktop& names);
