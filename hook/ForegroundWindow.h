#pragma once

// A foreground window that exactly covers its monitor (a game or a video in
// full screen). The desktop and the shell's window never count, and neither
// does having no foreground window.
bool ForegroundIsFullScreen();
