#pragma once
// Stands in for the system behind the hook's side effects and records, byte for
// byte, everything the hook and the corner actions send through it.
#include <windows.h>

#include <optional>
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

struct FakeSystem {
  // What the fake system answers.
  ULONGLONG now = 5000;
  ULONGLONG tickPerSend = 0;  // time a send takes
  UINT sendResult = 1;
  DWORD sendError = 0;
  int opensLeft = 1000;  // opens that succeed before the device goes away
  bool queryWorks = true;
  BYTE reportedLevel = 50;

  // What was sent.
  std::vector<INPUT> inputs;
  std::vector<int> inputSizes;
  std::vector<PlayedSound> sounds;
  std::vector<DeviceOpen> opens;
  std::vector<DeviceRequest> requests;
  int openHandles = 0;
  int closes = 0;
  std::vector<std::pair<HookError, DWORD>> errors;
  std::vector<std::string> order;  // "send", "sound", "open", "query", "set", "close", "error"
};

// Points the hook at the fake while it lives, and restores the volume and
// brightness state the hook keeps.
class FakeSeamScope {
 public:
  FakeSeamScope();
  ~FakeSeamScope();
  FakeSeamScope(const FakeSeamScope&) = delete;
  FakeSeamScope& operator=(const FakeSeamScope&) = delete;

  FakeSystem& system() { return m_system; }

 private:
  FakeSystem m_system;
};
