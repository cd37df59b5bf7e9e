#pragma once
// Stands in for the system behind the hook's side effects and records, byte for
// byte, everything the hook and the brightness worker send through it. The
// worker calls it from its own thread: records are kept under a lock, and tests
// read them once the worker is idle or stopped.
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "hook/ActionSeam.h"

struct DeviceOpen {
  std::wstring path;
  DWORD access, share, disposition, flags;
  bool security, templateFile;
};

struct DeviceRequest {
  DWORD code;
  std::string input;  // bytes handed in
  DWORD outputSize;
  bool overlapped;
};

struct PlayedSound {
  std::wstring file;
  bool module;
  DWORD flags;
};

// A monitor behind the primary display, as DDC/CI would report it.
struct FakeMonitor {
  DWORD minimum = 0;
  DWORD current = 50;
  DWORD maximum = 100;
  bool answers = true;
  DWORD takesMs = 0;  // what each call costs: DDC/CI is slow
};

class FakeSystem final : public ActionSeam {
 public:
  FakeSystem();
  ~FakeSystem() override;

  // What the fake system answers.
  ULONGLONG now = 5000;
  ULONGLONG tickPerSend = 0;  // time a send takes
  UINT sendResult = 2;
  DWORD sendError = 0;
  int opensLeft = 1000;  // opens that succeed before the device goes away
  bool queryWorks = true;
  BYTE reportedLevel = 50;
  bool hookFails = false;  // InstallMouseHook fails with ERROR_ACCESS_DENIED
  bool realHook = false;   // InstallMouseHook installs the real hook
  HANDLE setGate;          // a set waits for this manual-reset event: a slow driver
  std::vector<BYTE> supportedLevels;  // the panel's list; empty: the query fails
  std::vector<FakeMonitor> monitors;  // behind the primary display

  // What was sent.
  std::vector<INPUT> inputs;
  std::vector<UINT> sendCounts;
  std::vector<LONGLONG> sendTimes;  // QueryPerformanceCounter at each send
  std::vector<PlayedSound> sounds;
  std::vector<DeviceOpen> opens;
  std::vector<DeviceRequest> requests;
  int openHandles = 0;
  int closes = 0;
  std::vector<std::string> order;  // "send", "sound", "open", "supported", "query", "set", "close",
                                   // "monitors", "get monitor", "set monitor", "destroy monitors"
  std::vector<std::pair<size_t, DWORD>> monitorSets;  // which monitor, what value
  int monitorHandlesOut = 0;

  // Wait until `count` brightness sets have begun, or `count` calls of any kind
  // were made (within a few seconds).
  bool WaitForSets(size_t count);
  bool WaitForCalls(size_t count);
  std::vector<BYTE> LevelsSet();

  ULONGLONG TickCount() override;
  UINT SendInput(UINT count, INPUT* inputs, int size) override;
  BOOL PlayStepSound(const wchar_t* sound, HMODULE module, DWORD flags) override;
  HANDLE OpenDevice(const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                    DWORD disposition, DWORD flags, HANDLE templateFile) override;
  BOOL ControlDevice(HANDLE device, DWORD code, void* input, DWORD inputSize, void* output, DWORD outputSize,
                     DWORD* returned, OVERLAPPED* overlapped) override;
  BOOL CloseDevice(HANDLE device) override;
  HHOOK InstallMouseHook(HOOKPROC procedure) override;
  bool GetPrimaryPhysicalMonitors(std::vector<HANDLE>& handles) override;
  BOOL GetMonitorBrightness(HANDLE monitor, DWORD* minimum, DWORD* current, DWORD* maximum) override;
  BOOL SetMonitorBrightness(HANDLE monitor, DWORD value) override;
  void DestroyPhysicalMonitors(const std::vector<HANDLE>& handles) override;
  size_t Count(const std::string& call);

 private:
  std::mutex m_lock;
};
