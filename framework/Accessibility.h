#pragma once
// What a screen reader hears of a control, set by Dynamic Annotation through
// the system's AccPropServices object (reached with CoCreateInstance, so no
// import of oleacc.dll). Needs COM on the calling thread. Where the system has
// no such object, nothing is announced and nothing fails.
#include <windows.h>

// The control is announced as a link to `address`.
void AnnounceAsLink(HWND control, const wchar_t* address);
// The control is announced with `name`.
void AnnounceName(HWND control, const wchar_t* name);
// Removes what was announced, before the control goes.
void ClearAnnouncements(HWND control);
