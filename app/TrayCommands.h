#pragma once

inline constexpr int IDM_EXIT = 0x1000;
inline constexpr int IDM_SETTINGS = 0x1001;
inline constexpr int IDM_ABOUT = 0x1002;

// Runs one tray menu command; any other value (0 from a dismissed menu) does nothing.
void RunTrayCommand(int command);
