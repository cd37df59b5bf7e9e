#pragma once
#include <windows.h>

bool IsHookErrorMessage(UINT message);

// Shows a report the mouse hook posted: "获取鼠标指针失败", or the system's text
// for SendInput's error code; caption "错误", OK button, no owner.
void ShowHookError(WPARAM error, LPARAM code);
