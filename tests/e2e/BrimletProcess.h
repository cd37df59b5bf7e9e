#pragma once
// One Brimlet.exe started by a test from a folder of its own. The destructor
// always ends the process it started.
#include <windows.h>

#include <string>

#include "framework/UniqueHandle.h"
#include "tests/support/BrimletWindows.h"
#include "tests/support/TestFiles.h"

// A new empty folder for one test, under the temporary folder.
std::wstring FreshTestFolder(const std::wstring& name);
std::wstring CurrentTestName();

// UTF-8 with byte order mark and CR LF breaks, as Brimlet itself writes.
std::string Utf8ConfigBytes(const std::wstring& lfText);

// The Brimlet.exe the tests run: the one named by BRIMLET_EXE (the release
// build, as it ships), else the one beside this driver.
std::wstring ExecutableUnderTest();

// The current user's Startup folder shortcut Brimlet manages.
std::wstring StartupShortcutPath();

class BrimletProcess {
 public:
  // Copies Brimlet.exe (from beside this driver) into `folder`.
  explicit BrimletProcess(std::wstring folder);
  ~BrimletProcess();
  BrimletProcess(const BrimletProcess&) = delete;
  BrimletProcess& operator=(const BrimletProcess&) = delete;

  const std::wstring& folder() const { return m_folder; }
  std::wstring ConfigPath() const { return m_folder + L"\\config.ini"; }
  std::wstring ExePath() const { return m_folder + L"\\Brimlet.exe"; }

  // Starts the process and waits until its tray thread serves messages.
  bool Start();
  // Starts the process without waiting for anything.
  bool Launch();
  // Waits until the tray window exists (the settings have been read, or tried).
  bool WaitForTrayWindow();
  // Waits until the icon is in and the tray thread serves messages.
  bool WaitUntilServing();
  bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const;
  bool IsRunning() const;
  // Ends the process as Exit would, by force if it does not end.
  void Stop();

  DWORD pid() const { return m_pid; }
  // Why the copy or the launch failed; 0 if neither did.
  DWORD launchError() const { return m_launchError; }
  HWND trayWindow() const { return m_trayWindow; }
  HANDLE process() const { return m_process.get(); }

  // The hidden top-level window that hears the shell and the system; null if none.
  HWND ShellWatchWindow() const;
  // Posts the icon's callback with `event` as the shell would.
  void PostTrayEvent(UINT event) const;
  // Right-button press on the icon; returns the menu window once it is shown.
  HWND OpenMenu() const;
  // Chooses the n-th selectable menu item (0 Settings, 1 About, 2 Exit) of the
  // open menu by keyboard.
  void ChooseMenuItem(int index) const;
  // The dialog with this caption, once shown.
  HWND WaitForDialog(const wchar_t* caption, DWORD milliseconds = 5000) const;
  // The level indicator says `text`, or does within 5 s.
  bool IndicatorSays(const std::wstring& text) const;
  // Memory the process holds privately, in bytes.
  SIZE_T PrivateBytes() const;

 private:
  template <class Step>
  bool TryTwice(Step step);

  std::wstring m_folder;
  UniqueKernelHandle m_process;
  DWORD m_pid = 0;
  DWORD m_launchError = 0;
  HWND m_trayWindow = nullptr;
};

// A visible window of `className` (and `caption`, when given) in process `pid`.
HWND FindProcessWindow(DWORD pid, const wchar_t* className, const wchar_t* caption = nullptr);
// Waits for `condition` to hold, up to `milliseconds`.
template <class Condition>
bool WaitUntil(Condition condition, DWORD milliseconds) {
  const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(10);
  }
}
