#pragma once
#include <vector>

#include "core/ScreenRect.h"

// Every monitor's rectangle in physical pixels, the primary monitor first. The
// primary one is measured by its current display mode (its metrics when the
// mode cannot be read); it is at 0,0 by definition.
std::vector<ScreenRect> MeasureScreens();

// Where auto-hidden taskbars come back: the outermost row or column of each
// taskbar's monitor along its side; none while the taskbar does not hide.
// Asks the shell: for the tray thread.
std::vector<ScreenRect> MeasureTaskbarStrips();
