#pragma once
// A repeating timer of its owner's own, on a message-only window of its own, so
// owners never share timer ids and nobody has to route a timer to its owner.
// It ticks on the thread that started it, which must pump messages.
#include <windows.h>

#include "framework/MessageWindow.h"

template <class Owner>
class TimerOf final : public MessageWindow {
 public:
  using Tick = void (Owner::*)();
  TimerOf(Owner& owner, Tick tick) : m_owner(owner), m_tick(tick) {}

  // Ticks every `milliseconds` from now on, in place of any earlier period; the
  // system may fold a tick into other wake-ups up to `toleranceMs` later.
  void Start(UINT milliseconds, ULONG toleranceMs = 0) {
    if (Create(L"BRIMLET_TIMER", 0, 0, HWND_MESSAGE)) {
      ::SetCoalescableTimer(hwnd(), 1, milliseconds, nullptr, toleranceMs);
    }
  }
  void Stop() {
    if (hwnd() != nullptr) ::KillTimer(hwnd(), 1);
  }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_TIMER) return std::nullopt;
    (m_owner.*m_tick)();
    return 0;
  }

 private:
  Owner& m_owner;
  Tick m_tick;
};
