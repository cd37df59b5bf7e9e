#include "tests/support/Input.h"

#include <iterator>

namespace {

// Absolute coordinates in 1/65536 of the virtual screen that land on exactly this pixel.
LONG Normalised(int pixel, int origin, int size) {
  return static_cast<LONG>(((pixel - origin) * 65536LL + size - 1) / size);
}

}  // namespace

INPUT MouseAt(int x, int y, DWORD flags, int data, ULONG_PTR extraInfo) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(x, ::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
  input.mi.dy = Normalised(y, ::GetSystemMetrics(SM_YVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
  input.mi.mouseData = static_cast<DWORD>(data);
  input.mi.dwExtraInfo = extraInfo;
  return input;
}

void SendMouseAt(int x, int y, DWORD flags, int data, ULONG_PTR extraInfo) {
  INPUT input = MouseAt(x, y, flags, data, extraInfo);
  ::SendInput(1, &input, sizeof(INPUT));
}

void SendAll(std::vector<INPUT> events) {
  ::SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

void PointerAt(int x, int y) {
  SendMouseAt(x, y, 0);
  // The system moves the pointer on its own time: wait until it is there, so
  // that whoever asks for it next finds it there.
  POINT at{};
  for (int tries = 0; tries < 200 && (!::GetCursorPos(&at) || at.x != x || at.y != y); ++tries) ::Sleep(10);
}

void WheelAt(int x, int y, int delta, bool horizontal) {
  SendMouseAt(x, y, horizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL, delta);
}

void PressKey(WORD virtualKey) {
  INPUT keys[2] = {};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = virtualKey;
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, keys, sizeof(INPUT));
  ::Sleep(60);
}

INPUT KeyEvent(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> events;
  for (const WORD key : keys) events.push_back(KeyEvent(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) events.push_back(KeyEvent(*key, true));
  SendAll(events);
  ::Sleep(60);
}

void ClickAt(int x, int y) {
  SendMouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
  SendMouseAt(x, y, MOUSEEVENTF_LEFTUP);
}
