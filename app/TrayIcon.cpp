#include "app/TrayIcon.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "res/resource.h"

namespace {

constexpr UINT kIconTimeoutAndVersion = 15000;
constexpr UINT kRetryPeriodMs = 2000;
constexpr int kTries = 60;  // two minutes

NOTIFYICONDATAW EmptyIconRecord(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);  // the full current layout, hBalloonIcon included
  record.hWnd = window;
  record.uID = 0;
  return record;
}

}  // namespace

static_assert(sizeof(NOTIFYICONDATAW::szTip) == 128 * sizeof(wchar_t));

void TrayIcon::Add(HWND window) {
  m_window = window;
  m_tries = 0;
  AddAgain();
}

void TrayIcon::AddAgain() {
  if (m_window == nullptr) return;
  if (TryAdd()) {
    m_retry.Stop();
  } else if (m_tries == 0) {
    m_retry.Start(kRetryPeriodMs);
  }
}

void TrayIcon::OnRetryTimer() {
  if (++m_tries >= kTries) m_retry.Stop();
  AddAgain();
}

bool TrayIcon::TryAdd() {
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  // NIF_SHOWTIP: a version-4 icon shows its standard tip only when asked to.
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  record.uCallbackMessage = kTrayIconMessage;
  // The small image drawn for the DPI, not the large one shrunk by the system.
  HICON small = nullptr;
  if (!m_icon && SUCCEEDED(::LoadIconMetric(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), LIM_SMALL, &small))) {
    m_icon.reset(small);
  }
  record.hIcon = m_icon ? m_icon.get() : ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
  ::wcscpy_s(record.szTip, sizeof(record.szTip) / sizeof(wchar_t), m_tip.c_str());
  record.uTimeout = kIconTimeoutAndVersion;
  const bool added = ::Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
  // Version 4: the keyboard opens the menu too (NIN_KEYSELECT, WM_CONTEXTMENU).
  NOTIFYICONDATAW version = EmptyIconRecord(m_window);
  version.uVersion = NOTIFYICON_VERSION_4;
  ::Shell_NotifyIconW(NIM_SETVERSION, &version);
  return added;
}

void TrayIcon::SetTip(std::wstring tip) {
  m_tip = std::move(tip);
  if (m_window == nullptr) return;
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  record.uFlags = NIF_TIP | NIF_SHOWTIP;
  ::wcscpy_s(record.szTip, sizeof(record.szTip) / sizeof(wchar_t), m_tip.c_str());
  ::Shell_NotifyIconW(NIM_MODIFY, &record);
}

void TrayIcon::GiveFocusBack() {
  if (m_window == nullptr) return;
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  ::Shell_NotifyIconW(NIM_SETFOCUS, &record);
}

void TrayIcon::Remove() {
  if (m_window == nullptr) return;
  m_retry.Stop();
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  ::Shell_NotifyIconW(NIM_DELETE, &record);
  m_window = nullptr;
}
