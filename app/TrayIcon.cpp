#include "app/TrayIcon.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "res/resource.h"

namespace {

constexpr UINT kIconTimeoutAndVersion = 15000;
constexpr UINT kRetryPeriodMs = 2000;
constexpr wchar_t kIconShellClass[] = L"BRIMLET_ICON_SHELL";
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
  if (!m_shellWindow && m_shellWindow.Create(kIconShellClass, WS_EX_TOOLWINDOW, WS_POPUP, nullptr)) {
    m_taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    // The broadcast comes from the shell; let it through when this process runs elevated.
    if (m_taskbarCreated != 0) {
      ::ChangeWindowMessageFilterEx(m_shellWindow.hwnd(), m_taskbarCreated, MSGFLT_ALLOW, nullptr);
    }
  }
  AddAgain();
}

std::optional<LRESULT> TrayIcon::OnShellMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message == m_taskbarCreated && message != 0) {
    AddAgain();
    return 0;
  }
  // Monitors that change, or wake from sleep as others, may bring another DPI.
  const bool resumed = message == WM_POWERBROADCAST && (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND);
  if (message == WM_DISPLAYCHANGE || message == WM_DPICHANGED || resumed) FollowDpi();
  if (message == WM_POWERBROADCAST) return TRUE;  // no objection to suspending
  return std::nullopt;
}

void TrayIcon::AddAgain() {
  if (m_window == nullptr) return;
  m_icon.reset();
  m_added = TryAdd();
  if (m_added) {
    m_retry.Stop();
    TryNotice();
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
  record.hIcon = Image();
  ::wcscpy_s(record.szTip, sizeof(record.szTip) / sizeof(wchar_t), m_tip.c_str());
  record.uTimeout = kIconTimeoutAndVersion;
  const bool added = m_area.Notify(NIM_ADD, record) != FALSE;
  // Version 4: the keyboard opens the menu too (NIN_KEYSELECT, WM_CONTEXTMENU).
  NOTIFYICONDATAW version = EmptyIconRecord(m_window);
  version.uVersion = NOTIFYICON_VERSION_4;
  m_area.Notify(NIM_SETVERSION, version);
  return added;
}

// The small image drawn for the DPI, not the large one shrunk by the system.
HICON TrayIcon::Image() {
  HICON small = nullptr;
  if (!m_icon && SUCCEEDED(::LoadIconMetric(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), LIM_SMALL, &small))) {
    m_icon.reset(small);
  }
  return m_icon ? m_icon.get() : ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
}

void TrayIcon::FollowDpi() {
  m_icon.reset();
  if (!m_added) return;
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  record.uFlags = NIF_ICON;
  record.hIcon = Image();
  m_area.Notify(NIM_MODIFY, record);
}

void TrayIcon::SetTip(std::wstring tip) {
  m_tip = std::move(tip);
  if (m_window == nullptr) return;
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  record.uFlags = NIF_TIP | NIF_SHOWTIP;
  ::wcscpy_s(record.szTip, sizeof(record.szTip) / sizeof(wchar_t), m_tip.c_str());
  m_area.Notify(NIM_MODIFY, record);
}

void TrayIcon::ShowNotice(std::wstring title, std::wstring text) {
  m_noticeTitle = std::move(title);
  m_noticeText = std::move(text);
  if (m_added) TryNotice();
}

void TrayIcon::TryNotice() {
  if (m_noticeTitle.empty()) return;
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  record.uFlags = NIF_INFO;
  ::wcsncpy_s(record.szInfoTitle, m_noticeTitle.c_str(), _TRUNCATE);
  ::wcsncpy_s(record.szInfo, m_noticeText.c_str(), _TRUNCATE);
  record.dwInfoFlags = NIIF_INFO | NIIF_RESPECT_QUIET_TIME;
  // Once: a shell that restarts later does not show it again.
  if (m_area.Notify(NIM_MODIFY, record)) m_noticeTitle.clear();
}

void TrayIcon::GiveFocusBack() {
  if (m_window == nullptr) return;
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  m_area.Notify(NIM_SETFOCUS, record);
}

void TrayIcon::Remove() {
  if (m_window == nullptr) return;
  m_retry.Stop();
  NOTIFYICONDATAW record = EmptyIconRecord(m_window);
  m_area.Notify(NIM_DELETE, record);
  m_added = false;
  m_window = nullptr;
}
