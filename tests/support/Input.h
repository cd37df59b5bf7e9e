#pragma once
// Real input, injected as the system would deliver it.
#include <windows.h>

#include <initializer_list>
#include <vector>

// A mouse event at exactly (x, y) of the virtual screen (every monitor): the
// position travels in the same record as the button or wheel flags, so the
// event is seen there whatever pointer updates are still on their way.
// `extraInfo` lets a hook recognise the event.
INPUT MouseAt(int x, int y, DWORD flags, int data = 0, ULONG_PTR extraInfo = 0);
void SendMouseAt(int x, int y, DWORD flags, int data = 0, ULONG_PTR extraInfo = 0);
// Events that arrive as one burst, as from a fast wheel.
void SendAll(std::vector<INPUT> events);

// Moves the pointer to (x, y) and waits until the system has it there.
void PointerAt(int x, int y);
// A vertical (or horizontal) wheel turn with the pointer at exactly (x, y).
void WheelAt(int x, int y, int delta, bool horizontal = false);
// A key's press or release, to send with mouse events in one burst.
INPUT KeyEvent(WORD virtualKey, bool release);
void PressKey(WORD virtualKey);
// Keys held down in order and let go in the reverse order, as Ctrl+Shift+Tab.
void PressChord(std::initializer_list<WORD> keys);
// A left click at exactly (x, y); the pointer moves there with the press.
void ClickAt(int x, int y);
