#include "tests/e2e/KeyWatcher.h"

#include "tests/e2e/BrimletProcess.h"

namespace {
KeyWatcher* g_watcher = nullptr;
}

KeyWatcher::KeyWatcher() : m_ready(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  g_watcher = this;
  m_thread = std::thread([this] { Run(); });
  ::WaitForSingleObject(m_ready, 10000);
}

KeyWatcher::~KeyWatcher() {
  ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
  m_thread.join();
  ::CloseHandle(m_ready);
  g_watcher = nullptr;
}

void KeyWatcher::Run() {
  m_threadId = ::GetCurrentThreadId();
  HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyWatcher::HookProc, ::GetModuleHandleW(nullptr), 0);
  MSG msg;
  ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here on
  ::SetEvent(m_ready);
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  ::UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK KeyWatcher::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_watcher != nullptr) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (event->vkCode == VK_VOLUME_UP || event->vkCode == VK_VOLUME_DOWN || event->vkCode == VK_VOLUME_MUTE) {
      LARGE_INTEGER now;
      ::QueryPerformanceCounter(&now);
      const bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
      const std::lock_guard lock(g_watcher->m_mutex);
      g_watcher->m_keys.push_back({event->vkCode, up, (event->flags & LLKHF_INJECTED) != 0, now.QuadPart,
                                    event->scanCode, (event->flags & LLKHF_EXTENDED) != 0});
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<SeenKey> KeyWatcher::Keys() const {
  const std::lock_guard lock(m_mutex);
  return m_keys;
}

std::vector<DWORD> KeyWatcher::KeyDowns() const {
  std::vector<DWORD> downs;
  for (const SeenKey& key : Keys()) {
    if (!key.keyUp) downs.push_back(key.virtualKey);
  }
  return downs;
}

size_t KeyWatcher::Count() const {
  const std::lock_guard lock(m_mutex);
  size_t presses = 0;
  for (const SeenKey& key : m_keys) presses += key.keyUp ? 0 : 1;
  return presses;
}

bool KeyWatcher::WaitForCount(size_t count, DWORD milliseconds) const {
  return WaitUntil([&] { return Count() >= count; }, milliseconds);
}

void KeyWatcher::Clear() {
  const std::lock_guard lock(m_mutex);
  m_keys.clear();
}
