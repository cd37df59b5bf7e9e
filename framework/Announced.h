#pragma once
// A mailbox whose deliveries wake a window: a thread that must never wait (the
// hook, the brightness worker) leaves a value and posts `message` to the window,
// whose thread takes it. The message carries nothing, so one that another
// program posts cannot make a value up.
#include <windows.h>

#include <atomic>

#include "core/Mailbox.h"

template <class T>
class Announced {
 public:
  // Where deliveries are announced: `message` posted to `window`.
  void AnnounceTo(HWND window, UINT message) {
    m_message = message;
    m_window = window;
  }
  // Leaves `value` unless one is waiting still (the first one is kept).
  void PutIfEmpty(const T& value) {
    if (m_box.PutIfEmpty(value)) Announce();
  }
  // Leaves `value` in place of any waiting one (the latest one counts).
  void Replace(const T& value) {
    m_box.Replace(value);
    Announce();
  }
  bool Take(T& value) { return m_box.Take(value); }

 private:
  void Announce() {
    if (HWND window = m_window.load()) ::PostMessageW(window, m_message.load(), 0, 0);
  }

  Mailbox<T> m_box;
  std::atomic<HWND> m_window{nullptr};
  std::atomic<UINT> m_message{0};
};
