#pragma once
// The application object: one static instance, driven by the entry point.
#include <windows.h>

#include <string>

class CWinApp {
 public:
  // A null name means the default title: the executable's file name.
  explicit CWinApp(const wchar_t* appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Nonzero: initialisation succeeded and the message loop runs.
  virtual BOOL InitInstance();
  // Runs the message loop; without a main window it asks to quit at once.
  virtual int Run();
  virtual int ExitInstance();

  void SetAppID(const wchar_t* appId);
  const std::wstring& AppId() const { return m_appId; }

  HWND m_mainWindow = nullptr;

 private:
  std::wstring m_appName;
  std::wstring m_appId;
};

CWinApp* AfxGetApp();

// Entry code shared by wWinMain: InitInstance, then the loop only on success.
int AfxWinMain();
