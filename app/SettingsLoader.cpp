#include "app/SettingsLoader.h"

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
  m_tries = 0;
  m_retry.Start(kQuickRetryMs);
}

void SettingsLoader::Reload() { TryRead(); }

void SettingsLoader::ReadIfUnread() {
  if (!m_read) TryRead();
}

bool SettingsLoader::TryRead() {
  const std::optional<Settings> settings = m_store.Read();
  if (!settings) return false;
  m_read = true;
  m_retry.Stop();
  m_owner.TakeSettings(*settings);
  return true;
}

void SettingsLoader::OnRetry() {
  if (TryRead() || ++m_tries < kQuickRetries) return;
  if (m_tries == kQuickRetries) {
    m_owner.TakeSettings(m_store.Defaults());
    m_owner.SettingsUnreadable();
    m_retry.Start(kSlowRetryMs);
  }
}
