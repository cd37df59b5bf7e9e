#pragma once
// The application object: one static instance, driven by the entry point.
#include <windows.h>

#include <string>

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Runs the program; it ends when this returns.
  virtual BOOL InitInstance();

  void SetAppID(const wchar_t* appId);

 private:
  std::wstring m_appId;
};

CWinApp* AfxGetApp();

// Entry code shared by wWinMain: runs InitInstance; the process then exits with 0.
int AfxWinMain();
