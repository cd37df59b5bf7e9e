#include "app/BrimletApp.h"

#include "app/ModuleDirectory.h"
#include "app/ScreenMeasure.h"
#include "app/TrayThread.h"
#include "framework/ModuleFileName.h"

namespace {

// Libraries loaded at run time come from the system folder only, never from the
// folder a downloaded executable sits in. This runs before every other static
// initialiser, some of which already call into the shell.
struct SystemFolderLibrarySearch {
  SystemFolderLibrarySearch() { ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }
};
const SystemFolderLibrarySearch g_librarySearch __attribute__((init_priority(101)));

}  // namespace

CBrimletApp theApp;
CornerZones g_cornerZones;

CBrimletApp::CBrimletApp() : CWinApp(nullptr) { SetAppID(APP_USER_MODEL_ID); }

BOOL CBrimletApp::InitInstance() {
  CWinApp::InitInstance();

  ::SetLastError(ERROR_SUCCESS);
  m_instanceMutex.reset(::CreateMutexA(nullptr, TRUE, SINGLE_INSTANCE_MUTEX_NAME));
  if (::GetLastError() == ERROR_ALREADY_EXISTS) return TRUE;

  const ScreenSize screen = MeasurePrimaryScreen();
  g_cornerZones = ComputeCornerZones(screen.width, screen.height);
  m_exePath = ModuleFileName();
  m_configPath = ModuleDirectory() + L"config.ini";

  DWORD threadId = 0;
  UniqueKernelHandle trayThread(::CreateThread(nullptr, 0, &TrayThreadProc, nullptr, 0, &threadId));
  if (!trayThread) return TRUE;
  return static_cast<BOOL>(::WaitForSingleObject(trayThread.get(), INFINITE));
}

int CBrimletApp::ExitInstance() { return CWinApp::ExitInstance(); }
