#include "app/BrimletApp.h"

#include "app/ModuleDirectory.h"
#include "app/Runtime.h"
#include "app/ScreenMeasure.h"
#include "config/StartupShortcut.h"
#include "framework/ModuleFileName.h"
#include "framework/UniqueHandle.h"
#include "hook/SystemDevices.h"

namespace {

struct TrayStart {
  AppPaths paths;
  std::vector<ScreenRect> screens;
};

DWORD WINAPI TrayThreadMain(void* parameter) {
  const auto& start = *static_cast<const TrayStart*>(parameter);
  SystemDevices system;  // loads the sound library now, never inside the hook
  Runtime runtime(start.paths, start.screens, system.devices());
  runtime.Run();
  return 0;
}

}  // namespace

CBrimletApp theApp;

CBrimletApp::CBrimletApp() { SetAppID(kAppUserModelId); }

BOOL CBrimletApp::InitInstance() {
  // Libraries loaded at run time come from the system folder only, never from
  // the folder a downloaded executable sits in.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  CWinApp::InitInstance();

  ::SetLastError(ERROR_SUCCESS);
  const UniqueKernelHandle instanceMutex(::CreateMutexW(nullptr, TRUE, kSingleInstanceMutexName));
  // Denied: an instance running elevated made it, and this user may not open it.
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) return TRUE;

  TrayStart start{{ModuleFileName(), ModuleDirectory() + L"config.ini", ShortcutPathIn(StartupFolder())},
                  MeasureScreens()};
  const UniqueKernelHandle trayThread(::CreateThread(nullptr, 0, &TrayThreadMain, &start, 0, nullptr));
  if (trayThread) ::WaitForSingleObject(trayThread.get(), INFINITE);
  return TRUE;
}
