#pragma once
// A per-class table of message handlers: each class lists the messages and
// control notifications it handles, and anything unlisted gets default processing.
#include <windows.h>

#include <cstddef>

template <class T>
struct MessageMapEntry {
  UINT message;
  UINT notifyCode;  // WM_COMMAND entries: the notification code
  UINT controlId;   // WM_COMMAND entries: the control id
  void (T::*onCommand)();
  LRESULT (T::*onMessage)(WPARAM, LPARAM);
};

template <class T>
constexpr MessageMapEntry<T> OnCommand(UINT notifyCode, UINT controlId, void (T::*handler)()) {
  return {WM_COMMAND, notifyCode, controlId, handler, nullptr};
}

template <class T>
constexpr MessageMapEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  return {message, 0, 0, nullptr, handler};
}

template <class T, std::size_t N>
bool DispatchMessageMap(T& target, const MessageMapEntry<T> (&map)[N], UINT message, WPARAM wParam,
                        LPARAM lParam, LRESULT& result) {
  for (const MessageMapEntry<T>& entry : map) {
    if (entry.message != message) continue;
    if (entry.onCommand != nullptr) {
      if (HIWORD(wParam) != entry.notifyCode || LOWORD(wParam) != entry.controlId) continue;
      (target.*entry.onCommand)();
      result = 0;
      return true;
    }
    result = (target.*entry.onMessage)(wParam, lParam);
    return true;
  }
  return false;
}
