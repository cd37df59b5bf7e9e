#include "tests/windows/FakeActionSeam.h"

#include "hook/BrightnessLevel.h"
#include "hook/CornerActions.h"

namespace {

FakeSystem* g_fake = nullptr;
HANDLE const kDevice = reinterpret_cast<HANDLE>(0x1234);

const ActionSeam kFakeSeam = {
    [] { return g_fake->now; },
    [](UINT count, INPUT* inputs, int size) -> UINT {
      g_fake->order.push_back("send");
      g_fake->inputSizes.push_back(size);
      g_fake->inputs.insert(g_fake->inputs.end(), inputs, inputs + count);
      g_fake->now += g_fake->tickPerSend;
      ::SetLastError(g_fake->sendError);
      return g_fake->sendResult;
    },
    [](const wchar_t* sound, HMODULE module, DWORD flags) -> BOOL {
      g_fake->order.push_back("sound");
      g_fake->sounds.push_back({sound, module != nullptr, flags});
      return TRUE;
    },
    [](const wchar_t* path, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security, DWORD disposition,
       DWORD flags, HANDLE templateFile) -> HANDLE {
      g_fake->order.push_back("open");
      g_fake->opens.push_back({path, access, share, disposition, flags, security != nullptr, templateFile != nullptr});
      if (g_fake->opensLeft-- <= 0) return INVALID_HANDLE_VALUE;
      ++g_fake->openHandles;
      return kDevice;
    },
    [](HANDLE, DWORD code, void* input, DWORD inputSize, void* output, DWORD outputSize, DWORD* returned,
       OVERLAPPED* overlapped) -> BOOL {
      const bool query = output != nullptr;
      g_fake->order.push_back(query ? "query" : "set");
      g_fake->requests.push_back(
          {code, std::string(static_cast<const char*>(input), input ? inputSize : 0), outputSize, overlapped != nullptr});
      if (!query) return TRUE;
      if (!g_fake->queryWorks || outputSize < 3) return FALSE;
      auto* reading = static_cast<BYTE*>(output);
      reading[0] = 7;
      reading[1] = 8;
      reading[2] = g_fake->reportedLevel;
      *returned = 3;
      return TRUE;
    },
    [](HANDLE handle) -> BOOL {
      g_fake->order.push_back("close");
      ++g_fake->closes;
      if (handle == kDevice) --g_fake->openHandles;
      return TRUE;
    },
    [](HookError error, DWORD code) {
      g_fake->order.push_back("error");
      g_fake->errors.emplace_back(error, code);
    },
};

}  // namespace

FakeSeamScope::FakeSeamScope() {
  g_fake = &m_system;
  g_actionSeam = &kFakeSeam;
  g_volumeSettingsLoaded = true;
  g_volumeSound = false;
  g_volumeInterval = 100;
  g_lastVolumeStepTick = 0;
  g_lastBrightness = kInitialBrightness;
}

FakeSeamScope::~FakeSeamScope() {
  g_actionSeam = &kSystemActionSeam;
  g_fake = nullptr;
  g_volumeSettingsLoaded = false;
  g_lastVolumeStepTick = 0;
}
