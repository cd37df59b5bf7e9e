// The program's entry: one instance per logon session, whose tray thread runs
// everything; the main thread only waits for it.
#include <windows.h>

#include <shobjidl.h>

#include "app/Runtime.h"
#include "app/ScreenMeasure.h"
#include "config/StartupShortcut.h"
#include "devices/SystemDevices.h"
#include "framework/Executable.h"
#include "framework/UniqueHandle.h"
#include "framework/WorkerThread.h"

namespace {

constexpr wchar_t kSingleInstanceMutexName[] = L"Brimlet";
constexpr wchar_t kAppUserModelId[] = L"QVAR.Brimlet.AppID.Version_1_0_0";

// What the tray thread starts from, fixed on the main thread.
struct TrayStart {
  AppPaths paths;
  std::vector<ScreenRect> monitors;

  void Run() {
    SystemDevices system;  // loads the sound library now, never inside the hook
    Runtime runtime(paths, monitors, system.devices());
    runtime.Run();
  }
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Libraries loaded at run time come from the system folder only, never from
  // the folder a downloaded executable sits in.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  ::SetCurrentProcessExplicitAppUserModelID(kAppUserModelId);

  ::SetLastError(ERROR_SUCCESS);
  const UniqueKernelHandle instanceMutex(::CreateMutexW(nullptr, TRUE, kSingleInstanceMutexName));
  // Denied: an instance running elevated made it, and this user may not open it.
  const DWORD error = ::GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) return 0;

  TrayStart start{{ExecutablePath(), ExecutableFolder() + L"config.ini", ShortcutPathIn(StartupFolder())},
                  MeasureScreens()};
  WorkerThread tray;
  if (tray.Start<&TrayStart::Run>(start)) tray.Join();
  return 0;
}
