#include "app/SettingsLoader.h"

#include <utility>

namespace {

constexpr UINT kQuickRetryMs = 250;
constexpr int kQuickRetries = 12;  // 3 s
constexpr UINT kSlowRetryMs = 2000;

}  // namespace

void SettingsLoader::Load() {
  const bool firstStart = !m_store.Exists();
  if (TryRead()) {
    if (firstStart && m_store.WriteFirst(m_store.Defaults())) m_owner.FirstStart();
    return;
  }
  Retry();
}

void SettingsLoader::Reload(const Settings& saved, bool written) {
  if (TryRead()) return;
  if (written) m_owner.TakeSettings(saved);
  m_told = true;  // the settings are known: no waiting to tell of
  Retry();
}

bool SettingsLoader::ReadNow() { return TryRead(); }

void SettingsLoader::Retry() {
  m_tries = 0;
  m_retry.Start(kQuickRetryMs);
}

bool SettingsLoader::TryRead() {
  m_thread.CheckOrTake();
  const std::optional<Settings> settings = m_store.Read();
  if (!settings) return false;
  m_retry.Stop();
  m_owner.TakeSettings(*settings);
  return true;
}

void SettingsLoader::OnRetry() {
  if (TryRead() || ++m_tries < kQuickRetries) return;
  if (m_tries == kQuickRetries) {
    if (!std::exchange(m_told, true)) m_owner.SettingsUnreadable();
    m_retry.Start(kSlowRetryMs);
  }
}
