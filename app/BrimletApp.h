#pragma once
#include "framework/WinApp.h"

inline constexpr wchar_t kSingleInstanceMutexName[] = L"Brimlet";
inline constexpr wchar_t kAppUserModelId[] = L"QVAR.Brimlet.AppID.Version_1_0_0";

class CBrimletApp : public CWinApp {
 public:
  CBrimletApp();

  // Runs the whole program: returns when the tray thread has ended, or at once
  // when another instance runs in this logon session.
  BOOL InitInstance() override;
};
