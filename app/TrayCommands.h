#pragma once
// The tray menu's command ids.
inline constexpr int kExitCommand = 0x1000;
inline constexpr int kSettingsCommand = 0x1001;
inline constexpr int kAboutCommand = 0x1002;
