#include "app/BrightnessKeys.h"

std::vector<KeyFault> BrightnessKeys::Take(const Settings& settings, KeyRegistry& registry) {
  m_owner.CheckOrTake();
  Release();
  m_registry = &registry;
  std::vector<KeyFault> faults;
  const std::wstring* texts[] = {&settings.brightnessUpKey, &settings.brightnessDownKey};
  const wchar_t* names[] = {L"BrightnessUpKey", L"BrightnessDownKey"};
  HotKey keys[2]{};
  for (int index = 0; index < 2; ++index) {
    HotKeyProblem problem = CheckHotKey(*texts[index], keys[index]);
    if (problem == HotKeyProblem::None && keys[index].key == 0) continue;  // none set
    if (problem == HotKeyProblem::None && index == 1 && keys[1] == keys[0]) problem = HotKeyProblem::Doubled;
    if (problem == HotKeyProblem::None) {
      m_registered[index] = registry.Register(kBrighter + index, keys[index]);
      if (!m_registered[index]) problem = HotKeyProblem::Taken;
    }
    if (problem != HotKeyProblem::None) faults.push_back({names[index], *texts[index], problem});
  }
  return faults;
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
