#include "tests/e2e/BrimletProcess.h"

#include <cstdio>

#include <psapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/support/BrimletWindows.h"
#include "tests/support/Input.h"

namespace {

constexpr UINT kTrayCallback = WM_USER + 0x100;


struct WindowSearch {
  DWORD pid;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !::IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  if (wcscmp(className, search->className) != 0) return TRUE;
  if (search->caption != nullptr) {
    wchar_t caption[256] = {};
    ::GetWindowTextW(window, caption, 256);
    if (wcscmp(caption, search->caption) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

std::wstring CurrentTestName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  if (test == nullptr) return L"no-test";
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return std::wstring(name.begin(), name.end());
}

std::wstring FreshTestFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring root = std::wstring(temp) + L"brimlet-e2e";
  ::CreateDirectoryW(root.c_str(), nullptr);
  const std::wstring folder = root + L"\\" + name;
  RemoveTree(folder);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::string Utf8ConfigBytes(const std::wstring& lfText) {
  std::string utf8(static_cast<size_t>(lfText.size()) * 4, '\0');
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, lfText.data(), static_cast<int>(lfText.size()), utf8.data(),
                                         static_cast<int>(utf8.size()), nullptr, nullptr);
  utf8.resize(static_cast<size_t>(size));
  std::string bytes = "\xEF\xBB\xBF";
  for (const char c : utf8) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

std::wstring StartupShortcutPath() {
  wchar_t folder[MAX_PATH] = {};
  ::SHGetSpecialFolderPathW(nullptr, folder, CSIDL_STARTUP, FALSE);
  return std::wstring(folder) + L"\\Brimlet.lnk";
}

HWND FindProcessWindow(DWORD pid, const wchar_t* className, const wchar_t* caption) {
  WindowSearch search{pid, className, caption, nullptr};
  ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring ExecutableUnderTest() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableW(L"BRIMLET_EXE", path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return path;
  return TestProgramFolder() + L"\\Brimlet.exe";
}

BrimletProcess::BrimletProcess(std::wstring folder) : m_folder(std::move(folder)) {
  TryTwice([this] { return ::CopyFileW(ExecutableUnderTest().c_str(), ExePath().c_str(), FALSE) != FALSE; });
}

// Copying and launching are the bench's steps, not what is tested: a step that
// fails is tried once more, and the log says so.
template <class Step>
bool BrimletProcess::TryTwice(Step step) {
  for (int attempt = 0;; ++attempt) {
    if (step()) return true;
    m_launchError = ::GetLastError();
    std::fprintf(stderr, "bench: copying or launching Brimlet.exe failed with error %lu\n", m_launchError);
    if (attempt == 1) return false;
    ::Sleep(500);
  }
}

BrimletProcess::~BrimletProcess() { Stop(); }

bool BrimletProcess::Launch() {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::wstring commandLine = L"\"" + ExePath() + L"\"";
  if (!TryTwice([&] {
        return ::CreateProcessW(ExePath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                m_folder.c_str(), &startup, &info) != FALSE;
      })) {
    return false;
  }
  ::CloseHandle(info.hThread);
  m_process.reset(info.hProcess);
  m_pid = info.dwProcessId;
  return true;
}

bool BrimletProcess::Start() { return Launch() && WaitForTrayWindow() && WaitUntilServing(); }

bool BrimletProcess::WaitForTrayWindow() {
  return WaitUntil([this] { return (m_trayWindow = FindTrayWindow(m_pid)) != nullptr || !IsRunning(); }, 15000) &&
         m_trayWindow != nullptr;
}

bool BrimletProcess::WaitUntilServing() {
  if (m_trayWindow == nullptr) return false;
  // The icon goes in after the settings and the hook. Adding it can take a
  // while (the shell may create its notification area first), and messages
  // sent to the thread meanwhile are answered from inside that call: so wait
  // for the icon, then for one more answer from the message loop.
  if (!WaitUntil([this] { return IconExists(m_trayWindow); }, 15000)) return false;
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(m_trayWindow, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result) != 0;
}

bool BrimletProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) const {
  if (!m_process) return true;
  if (::WaitForSingleObject(m_process.get(), milliseconds) != WAIT_OBJECT_0) return false;
  if (exitCode != nullptr) ::GetExitCodeProcess(m_process.get(), exitCode);
  return true;
}

bool BrimletProcess::IsRunning() const {
  return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

void BrimletProcess::Stop() {
  if (!IsRunning()) return;
  // As Exit does: a quit request ends any open modal loop and then the tray
  // loop, and the hook and icon are removed on the way out. Terminated, a
  // process leaves its hook behind in Wine and slows every later mouse event.
  const DWORD trayThread = m_trayWindow ? ::GetWindowThreadProcessId(m_trayWindow, nullptr) : 0;
  if (trayThread != 0) {
    ::PostThreadMessageW(trayThread, WM_QUIT, 0, 0);
    if (::WaitForSingleObject(m_process.get(), 5000) == WAIT_OBJECT_0) return;
  }
  ::TerminateProcess(m_process.get(), 1);
  ::WaitForSingleObject(m_process.get(), 10000);
}

HWND BrimletProcess::ShellWatchWindow() const {
  for (HWND window = ::FindWindowExW(nullptr, nullptr, L"BRIMLET_SHELL_WATCH", nullptr); window != nullptr;
       window = ::FindWindowExW(nullptr, window, L"BRIMLET_SHELL_WATCH", nullptr)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid == m_pid) return window;
  }
  return nullptr;
}

void BrimletProcess::PostTrayEvent(UINT event) const { ::PostMessageW(m_trayWindow, kTrayCallback, 0, event); }

HWND BrimletProcess::OpenMenu() const {
  PostTrayEvent(WM_RBUTTONDOWN);
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = FindProcessWindow(m_pid, L"#32768")) != nullptr; }, 5000);
  return menu;
}

void BrimletProcess::ChooseMenuItem(int index) const {
  // By the item's access key, the same in either language. A key that reaches
  // the menu closes it; under Wine the first key after a menu opened over a
  // window of the program is sometimes lost, so it is pressed again while the
  // menu stays open.
  const WORD keys[] = {'S', 'A', 'X'};
  for (int tries = 0; tries < 10; ++tries) {
    HWND menu = FindProcessWindow(m_pid, L"#32768");
    if (menu == nullptr) return;
    PressKey(keys[index]);
    if (WaitUntil([menu] { return !::IsWindow(menu) || !::IsWindowVisible(menu); }, 1000)) return;
  }
}

HWND BrimletProcess::WaitForDialog(const wchar_t* caption, DWORD milliseconds) const {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindProcessWindow(m_pid, L"#32770", caption)) != nullptr; }, milliseconds);
  return dialog;
}

bool BrimletProcess::IndicatorSays(const std::wstring& text) const {
  return WaitUntil(
      [&] {
        HWND indicator = FindProcessWindow(m_pid, L"BRIMLET_BRIGHTNESS_INDICATOR");
        wchar_t shown[128] = {};
        if (indicator != nullptr) ::GetWindowTextW(indicator, shown, 128);
        return text == shown;
      },
      5000);
}

SIZE_T BrimletProcess::PrivateBytes() const {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  if (!::GetProcessMemoryInfo(m_process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters))) {
    return 0;
  }
  // Wine reports the commit charge as PagefileUsage only; Windows fills both alike.
  return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}
