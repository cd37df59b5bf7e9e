// The executable's entry point; the application object is a static elsewhere.
#include <windows.h>

#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return AfxWinMain(); }
