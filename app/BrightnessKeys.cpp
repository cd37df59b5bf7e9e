#include "app/BrightnessKeys.h"

std::wstring BrightnessKeys::Take(const Settings& settings, KeyRegistry& registry) {
  Release();
  m_registry = &registry;
  std::wstring taken;
  const std::wstring* texts[] = {&settings.brightnessUpKey, &settings.brightnessDownKey};
  for (int index = 0; index < 2; ++index) {
    const HotKey key = ParseHotKey(*texts[index]);
    if (key.key == 0) continue;
    m_registered[index] = registry.Register(kBrighter + index, key);
    if (m_registered[index]) continue;
    if (!taken.empty()) taken += L", ";
    taken += FormatHotKey(key);
  }
  return taken;
}

void BrightnessKeys::Release() {
  for (int index = 0; index < 2; ++index) {
    if (m_registered[index] && m_registry != nullptr) m_registry->Unregister(kBrighter + index);
    m_registered[index] = false;
  }
}

int BrightnessKeys::StepsOf(WPARAM id) {
  if (id == kBrighter) return 1;
  if (id == kDarker) return -1;
  return 0;
}
