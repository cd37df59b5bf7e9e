#pragma once
#include <string>

#include "app/CornerZones.h"
#include "framework/UniqueHandle.h"
#include "framework/WinApp.h"

inline constexpr char SINGLE_INSTANCE_MUTEX_NAME[] = "Brimlet";
inline constexpr wchar_t APP_USER_MODEL_ID[] = L"QVAR.Brimlet.AppID.Version_1_0_0";

class CBrimletApp : public CWinApp {
 public:
  CBrimletApp();

  // Runs the whole program: returns only when the tray thread has ended
  // (0), or at once (1) when another instance runs in this logon session.
  BOOL InitInstance() override;
  int ExitInstance() override;

  std::wstring m_exePath;     // full path of the running executable
  std::wstring m_configPath;  // config.ini beside it

 private:
  UniqueKernelHandle m_instanceMutex;  // held for the life of the process
};

extern CBrimletApp theApp;

// Fixed once by InitInstance before the tray thread starts; read-only afterwards.
extern CornerZones g_cornerZones;
