#pragma once
// One step of a corner's action: a volume key press or a brightness change.
#include <cstdint>

// Volume action state, tray thread only. The two copies are read from the file
// at the first volume event and rewritten by the Settings dialog after a save.
extern bool g_volumeSettingsLoaded;
extern bool g_volumeSound;
extern int32_t g_volumeInterval;
extern uint64_t g_lastVolumeStepTick;  // end of the last step; 0 before the first
// The last valid level the display reported.
extern int32_t g_lastBrightness;

inline constexpr wchar_t VOLUME_STEP_SOUND[] = L"C:\\Windows\\Media\\Windows Background.wav";
inline constexpr wchar_t DISPLAY_DEVICE_PATH[] = L"\\\\.\\LCD";

// Action 1 steps the volume, 2 the brightness; any other code does nothing.
void RunCornerAction(int action, bool up);
