#include "tests/e2e/Input.h"

void PointerAt(int x, int y) { ::SetCursorPos(x, y); }

void WheelAt(int x, int y, int delta, bool horizontal) {
  PointerAt(x, y);
  INPUT wheel{};
  wheel.type = INPUT_MOUSE;
  wheel.mi.dwFlags = horizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL;
  wheel.mi.mouseData = static_cast<DWORD>(delta);
  ::SendInput(1, &wheel, sizeof(INPUT));
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

void ClickAt(int x, int y) {
  PointerAt(x, y);
  ::Sleep(50);
  INPUT buttons[2] = {};
  buttons[0].type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  buttons[1] = buttons[0];
  buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, buttons, sizeof(INPUT));
}
