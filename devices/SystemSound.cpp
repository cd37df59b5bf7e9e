#include "devices/SystemSound.h"

#include <iterator>
#include <string>

#include "devices/CoreAudio.h"
#include "framework/SystemLibrary.h"

namespace {


// The process behind a Store app's frame: ApplicationFrameHost.exe draws the
// frame, the app's own window is a child of it from another process.
uint32_t AppInFrame(HWND frame, uint32_t frameProcess) {
  struct Search {
    uint32_t frame;
    uint32_t app;
  } search{frameProcess, 0};
  ::EnumChildWindows(
      frame,
      [](HWND child, LPARAM found) -> BOOL {
        auto& looking = *reinterpret_cast<Search*>(found);
        DWORD process = 0;
        ::GetWindowThreadProcessId(child, &process);
        if (process == looking.frame) return TRUE;
        looking.app = process;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.app;
}

// The description in a program file's version record ("Firefox"); empty
// without one. version.dll is no KnownDLL: from the system folder only.
std::wstring FileDescription(uint32_t process) {
  const UniqueKernelHandle opened(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  wchar_t path[MAX_PATH * 2] = {};
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!opened || !::QueryFullProcessImageNameW(opened.get(), 0, path, &size)) return {};
  const UniqueModule version = LoadSystemLibrary(L"version.dll");
  DWORD(WINAPI * infoSize)(const wchar_t*, DWORD*) = nullptr;
  BOOL(WINAPI * info)(const wchar_t*, DWORD, DWORD, void*) = nullptr;
  BOOL(WINAPI * query)(const void*, const wchar_t*, void**, UINT*) = nullptr;
  if (!Resolve(version.get(), "GetFileVersionInfoSizeW", infoSize) ||
      !Resolve(version.get(), "GetFileVersionInfoW", info) || !Resolve(version.get(), "VerQueryValueW", query)) {
    return {};
  }
  DWORD unused = 0;
  const DWORD bytes = infoSize(path, &unused);
  if (bytes == 0) return {};
  std::vector<BYTE> record(bytes);
  if (!info(path, 0, bytes, record.data())) return {};
  // The first language the record has, else US English in Unicode.
  const WORD* languages = nullptr;
  UINT length = 0;
  DWORD language = 0x040904B0;
  if (query(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(const_cast<WORD**>(&languages)),
            &length) &&
      length >= 2 * sizeof(WORD)) {
    language = (DWORD{languages[0]} << 16U) | languages[1];
  }
  wchar_t key[64] = {};
  ::wsprintfW(key, L"\\StringFileInfo\\%08lx\\FileDescription", language);
  const wchar_t* text = nullptr;
  if (!query(record.data(), key, reinterpret_cast<void**>(const_cast<wchar_t**>(&text)), &length) || text == nullptr) {
    return {};
  }
  std::wstring description(text, length > 0 ? length - 1 : 0);
  while (!description.empty() && (description.back() == L' ' || description.back() == L'\0')) description.pop_back();
  return description;
}

}  // namespace

bool SystemSound::ProgramOf(uint64_t window, SoundProgram& program) {
  // A window handle's low 32 bits are all it is: widened back with its sign.
  const auto handle = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(static_cast<uint32_t>(window))));
  DWORD process = 0;
  if (handle == nullptr || ::GetWindowThreadProcessId(handle, &process) == 0) return false;
  if (window == m_lastWindow && process == m_lastWindowProcess) {
    program = m_lastProgram;
    return true;
  }
  program.process = process;
  program.file = m_desktop.ProgramName(process);
  if (m_desktop.SameFileName(program.file, L"ApplicationFrameHost.exe")) {
    if (const uint32_t app = AppInFrame(handle, process); app != 0) {
      program.process = app;
      program.file = m_desktop.ProgramName(app);
    }
  }
  program.name = FileDescription(program.process);
  if (program.name.empty()) program.name = program.file;
  m_lastWindow = window;
  m_lastWindowProcess = process;
  m_lastProgram = program;
  return true;
}

bool SystemSound::Sessions(std::vector<SoundSession>& sessions) {
  sessions.clear();
  m_volumes.clear();
  if (!m_devices && FAILED(::CoCreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_INPROC_SERVER,
                                              __uuidof(IMMDeviceEnumerator), m_devices.out()))) {
    return false;
  }
  ComPtr<IMMDeviceCollection> outputs;
  UINT outputCount = 0;
  if (FAILED(m_devices->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, outputs.put())) ||
      FAILED(outputs->GetCount(&outputCount))) {
    return false;
  }
  for (UINT output = 0; output < outputCount; ++output) {
    ComPtr<IMMDevice> device;
    ComPtr<IAudioSessionManager2> manager;
    ComPtr<IAudioSessionEnumerator> list;
    int count = 0;
    // A manager made anew lists the sessions there are now.
    if (FAILED(outputs->Item(output, device.put())) ||
        FAILED(device->Activate(__uuidof(IAudioSessionManager2), CLSCTX_INPROC_SERVER, nullptr, manager.out())) ||
        FAILED(manager->GetSessionEnumerator(list.put())) || FAILED(list->GetCount(&count))) {
      continue;
    }
    for (int i = 0; i < count; ++i) {
      ComPtr<IAudioSessionControl> control;
      ComPtr<IAudioSessionControl2> details;
      ComPtr<ISimpleAudioVolume> volume;
      AudioSessionState state = AudioSessionStateInactive;
      if (FAILED(list->GetSession(i, control.put())) ||
          FAILED(control->QueryInterface(__uuidof(IAudioSessionControl2), details.out())) ||
          FAILED(control->QueryInterface(__uuidof(ISimpleAudioVolume), volume.out())) ||
          (SUCCEEDED(control->GetState(&state)) && state == AudioSessionStateExpired)) {
        continue;
      }
      SoundSession session;
      DWORD process = 0;
      details->GetProcessId(&process);
      session.process = process;
      session.systemSounds = details->IsSystemSoundsSession() == S_OK;
      BOOL muted = FALSE;
      volume->GetMasterVolume(&session.level);
      volume->GetMute(&muted);
      session.muted = muted != FALSE;
      // A process's name once per list.
      for (const SoundSession& known : sessions) {
        if (known.process == process) session.program = known.program;
      }
      if (session.program.empty() && process != 0) session.program = m_desktop.ProgramName(process);
      sessions.push_back(std::move(session));
      m_volumes.push_back(std::move(volume));
    }
  }
  return true;
}

bool SystemSound::Set(size_t session, float level, bool setLevel, bool muted) {
  if (session >= m_volumes.size()) return false;
  ISimpleAudioVolume* volume = m_volumes[session].get();
  // Brimlet's own changes carry no event context: the mixer shows them as any other.
  const bool levelSet = !setLevel || SUCCEEDED(volume->SetMasterVolume(level, nullptr));
  return SUCCEEDED(volume->SetMute(muted ? TRUE : FALSE, nullptr)) && levelSet;
}

void SystemSound::Close() {
  m_volumes.clear();
  m_devices = {};
}
