#include "core/Outputs.h"

#include "core/IniText.h"

std::vector<std::wstring> OutputNames(std::wstring_view text) {
  std::vector<std::wstring> names;
  while (!text.empty()) {
    const size_t bar = text.find(L'|');
    const std::wstring_view name = ini::TrimValue(text.substr(0, bar));
    if (!name.empty()) names.emplace_back(name);
    text = bar == std::wstring_view::npos ? std::wstring_view{} : text.substr(bar + 1);
  }
  return names;
}

std::wstring JoinOutputNames(std::span<const std::wstring> names) {
  std::wstring text;
  for (const std::wstring& name : names) {
    if (!text.empty()) text += L'|';
    text += name;
  }
  return text;
}

size_t NextOutput(std::span<const OutputDevice> outputs, std::span<const std::wstring> chosen, Desktop& names) {
  std::vector<size_t> order;  // where the key goes round, as indexes into outputs
  for (size_t i = 0; i < outputs.size() && chosen.empty(); ++i) order.push_back(i);
  for (const std::wstring& name : chosen) {
    for (size_t i = 0; i < outputs.size(); ++i) {
      if (names.SameFileName(outputs[i].name, name)) {
        order.push_back(i);
        break;
      }
    }
  }
  if (order.empty()) return kNoOutput;
  for (size_t place = 0; place < order.size(); ++place) {
    if (outputs[order[place]].isDefault) return order[(place + 1) % order.size()];
  }
  return order.front();
}
