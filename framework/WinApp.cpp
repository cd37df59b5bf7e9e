#include "framework/WinApp.h"

#include <shobjidl.h>

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp(const wchar_t* appName) : m_appName(appName ? appName : L"") {
  g_application = this;
}

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

BOOL CWinApp::InitInstance() {
  if (!m_appId.empty()) ::SetCurrentProcessExplicitAppUserModelID(m_appId.c_str());
  return TRUE;
}

int CWinApp::Run() {
  if (m_mainWindow == nullptr) ::PostQuitMessage(0);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetAppID(const wchar_t* appId) { m_appId = appId ? appId : L""; }

CWinApp* AfxGetApp() { return g_application; }

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
