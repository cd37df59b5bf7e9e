#pragma once
#include "core/ScreenRect.h"

// A foreground window that exactly covers its monitor (a game or a video in
// full screen), on `monitor` when one is given, else on any. The desktop and
// the shell's window never count, and neither does having no foreground window.
bool ForegroundIsFullScreen(const ScreenRect* monitor = nullptr);
