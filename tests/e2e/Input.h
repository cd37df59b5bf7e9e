#pragma once
// Real input, injected as the system would deliver it.
#include <windows.h>

void PointerAt(int x, int y);
// A vertical (or horizontal) wheel turn with the pointer at exactly (x, y).
void WheelAt(int x, int y, int delta, bool horizontal = false);
void PressKey(WORD virtualKey);
void ClickAt(int x, int y);
