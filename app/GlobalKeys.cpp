#include "app/GlobalKeys.h"

std::vector<KeyFault> GlobalKeys::Take(const Settings& settings, KeyRegistry& registry, bool outputsSwitch) {
  m_owner.CheckOrTake();
  Release();
  m_registry = &registry;
  std::vector<KeyFault> faults;
  const std::wstring* texts[] = {&settings.brightnessUpKey, &settings.brightnessDownKey, &settings.outputKey};
  const wchar_t* names[] = {L"BrightnessUpKey", L"BrightnessDownKey", L"OutputKey"};
  HotKey keys[3]{};
  for (int index = 0; index < 3; ++index) {
    HotKeyProblem problem = CheckHotKey(*texts[index], keys[index]);
    if (problem == HotKeyProblem::None && keys[index].key == 0) continue;  // none set
    for (int before = 0; before < index && problem == HotKeyProblem::None; ++before) {
      if (keys[index] == keys[before]) problem = HotKeyProblem::Doubled;
    }
    // Like a key another program holds: it cannot do its work here.
    if (problem == HotKeyProblem::None && index + 1 == kNextOutput && !outputsSwitch) problem = HotKeyProblem::Taken;
    if (problem == HotKeyProblem::None) {
      m_registered[index] = registry.Register(kBrighter + index, keys[index]);
      if (!m_registered[index]) problem = HotKeyProblem::Taken;
    }
    if (problem != HotKeyProblem::None) faults.push_back({names[index], *texts[index], problem});
  }
  return faults;
}

void GlobalKeys::Release() {
  for (int index = 0; index < 3; ++index) {
    if (m_registered[index] && m_registry != nullptr) m_registry->Unregister(kBrighter + index);
    m_registered[index] = false;
  }
}

int GlobalKeys::StepsOf(WPARAM id) {
  if (id == kBrighter) return 1;
  if (id == kDarker) return -1;
  return 0;
}
