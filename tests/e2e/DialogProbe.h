#pragma once
// Reading and working another process's dialogs through window messages.
#include <windows.h>

#include <string>

// Control `id` of the dialog or of any of its pages.
HWND FindControl(HWND dialog, int id);
std::wstring ControlText(HWND dialog, int id);
int CheckState(HWND dialog, int id);
int ListSelection(HWND dialog, int id);
int ListCount(HWND dialog, int id);
std::wstring ListItemText(HWND dialog, int id, int index);
int SliderPosition(HWND dialog, int id);

// What the user's clicks would send: the dialog learns of them as notifications.
void ClickCheck(HWND dialog, int id);
void ChooseListItem(HWND dialog, int id, int index);
void DragSliderTo(HWND dialog, int id, int position);
// Text typed into a field: the field tells the dialog it changed.
void TypeInto(HWND dialog, int id, const std::wstring& text);
// The focus leaves the field: it shows what will be saved.
void LeaveField(HWND dialog, int id);
// Presses a button without waiting, since a message box may follow.
void PressButton(HWND dialog, int id);

// The text of a message box (its static text).
std::wstring MessageBoxText(HWND box);
bool WaitForWindowGone(HWND window, DWORD milliseconds);
// Centre of a control in screen coordinates.
POINT ControlCentre(HWND dialog, int id);
