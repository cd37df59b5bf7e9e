#include "framework/WinApp.h"

#include <shobjidl.h>

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

BOOL CWinApp::InitInstance() {
  if (!m_appId.empty()) ::SetCurrentProcessExplicitAppUserModelID(m_appId.c_str());
  return TRUE;
}

void CWinApp::SetAppID(const wchar_t* appId) { m_appId = appId ? appId : L""; }

CWinApp* AfxGetApp() { return g_application; }

int AfxWinMain() {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->InitInstance();
  return 0;
}
