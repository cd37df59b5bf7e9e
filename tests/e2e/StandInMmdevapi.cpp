// Stands in for mmdevapi.dll on the program-volume bench, which has no sound
// device: two active outputs whose audio sessions are those a test put in the
// shared memory of StandInSound.h, each read and set there. One object per
// device, as Wine's winmm compares device pointers.
#include <windows.h>

#include <audiopolicy.h>
#include <mmdeviceapi.h>

#include <atomic>

#include "tests/e2e/StandInSound.h"

namespace {

HANDLE g_mapping = nullptr;
StandInSound* Shared() {
  static StandInSound* shared = OpenStandInSound(g_mapping);
  return shared;
}

// Reference counting for the objects made per call; the devices live as long as the DLL.
template <class Self>
class Counted {
 protected:
  ULONG Add() { return ++m_references; }
  ULONG Drop() {
    const ULONG left = --m_references;
    if (left == 0) delete static_cast<Self*>(this);
    return left;
  }

 private:
  std::atomic<ULONG> m_references{1};
};

class Session final : public IAudioSessionControl2, public ISimpleAudioVolume, public Counted<Session> {
 public:
  explicit Session(LONG index) : m_index(index) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IAudioSessionControl) || iid == __uuidof(IAudioSessionControl2)) {
      *out = static_cast<IAudioSessionControl2*>(this);
    } else if (iid == __uuidof(ISimpleAudioVolume)) {
      *out = static_cast<ISimpleAudioVolume*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    Add();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return Drop(); }
  HRESULT STDMETHODCALLTYPE GetState(AudioSessionState* state) override {
    *state = AudioSessionStateActive;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDisplayName(LPWSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetDisplayName(LPCWSTR, LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIconPath(LPWSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetIconPath(LPCWSTR, LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetGroupingParam(GUID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetGroupingParam(LPCGUID, LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RegisterAudioSessionNotification(IAudioSessionEvents*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UnregisterAudioSessionNotification(IAudioSessionEvents*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetSessionIdentifier(LPWSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSessionInstanceIdentifier(LPWSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetProcessId(DWORD* process) override {
    *process = Shared()->sessions[m_index].process;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE IsSystemSoundsSession() override {
    return Shared()->sessions[m_index].systemSounds != 0 ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE SetDuckingPreference(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMasterVolume(float level, LPCGUID) override {
    if (level < 0 || level > 1) return E_INVALIDARG;
    Shared()->sessions[m_index].level = level;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMasterVolume(float* level) override {
    *level = Shared()->sessions[m_index].level;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetMute(BOOL muted, LPCGUID) override {
    Shared()->sessions[m_index].muted = muted != FALSE ? 1 : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetMute(BOOL* muted) override {
    *muted = Shared()->sessions[m_index].muted != 0 ? TRUE : FALSE;
    return S_OK;
  }

 private:
  LONG m_index;
};

// The sessions of one device as they are when it is made.
class SessionList final : public IAudioSessionEnumerator, public Counted<SessionList> {
 public:
  explicit SessionList(DWORD device) {
    StandInSound* shared = Shared();
    ::InterlockedIncrement(&shared->listings);
    for (LONG i = 0; i < shared->count && i < 8; ++i) {
      if (shared->sessions[i].device == device) m_indexes[m_count++] = i;
    }
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = iid == __uuidof(IUnknown) || iid == __uuidof(IAudioSessionEnumerator) ? this : nullptr;
    if (*out == nullptr) return E_NOINTERFACE;
    Add();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return Drop(); }
  HRESULT STDMETHODCALLTYPE GetCount(int* count) override {
    *count = m_count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSession(int index, IAudioSessionControl** session) override {
    if (index < 0 || index >= m_count) return E_INVALIDARG;
    *session = new Session(m_indexes[index]);
    return S_OK;
  }

 private:
  LONG m_indexes[8] = {};
  int m_count = 0;
};

class SessionManager final : public IAudioSessionManager2 {
 public:
  explicit SessionManager(DWORD device) : m_device(device) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == __uuidof(IUnknown) || iid == __uuidof(IAudioSessionManager) ||
                       iid == __uuidof(IAudioSessionManager2);
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetAudioSessionControl(LPCGUID, DWORD, IAudioSessionControl**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSimpleAudioVolume(LPCGUID, DWORD, ISimpleAudioVolume**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSessionEnumerator(IAudioSessionEnumerator** list) override {
    *list = new SessionList(m_device);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE RegisterSessionNotification(IAudioSessionNotification*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UnregisterSessionNotification(IAudioSessionNotification*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RegisterDuckNotification(LPCWSTR, IAudioVolumeDuckNotification*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UnregisterDuckNotification(IAudioVolumeDuckNotification*) override { return S_OK; }

 private:
  DWORD m_device;
};

class Device final : public IMMDevice {
 public:
  explicit Device(DWORD index) : m_index(index), m_sessions(index) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == __uuidof(IUnknown) || iid == __uuidof(IMMDevice);
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
    if (iid != __uuidof(IAudioSessionManager2) && iid != __uuidof(IAudioSessionManager)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IAudioSessionManager2*>(&m_sessions);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD, IPropertyStore**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) override {
    *id = static_cast<LPWSTR>(::CoTaskMemAlloc(32 * sizeof(wchar_t)));
    if (*id == nullptr) return E_OUTOFMEMORY;
    ::wsprintfW(*id, L"{0.0.0.00000000}.stand-in-%lu", m_index);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetState(DWORD* state) override {
    *state = DEVICE_STATE_ACTIVE;
    return S_OK;
  }

 private:
  DWORD m_index;
  SessionManager m_sessions;
};

Device g_devices[2] = {Device(0), Device(1)};

class DeviceList final : public IMMDeviceCollection {
 public:
  explicit DeviceList(UINT count) : m_count(count) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == __uuidof(IUnknown) || iid == __uuidof(IMMDeviceCollection);
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetCount(UINT* count) override {
    *count = m_count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Item(UINT index, IMMDevice** device) override {
    if (index >= m_count) return E_INVALIDARG;
    *device = &g_devices[index];
    return S_OK;
  }

 private:
  UINT m_count;
};

DeviceList g_outputs(2);
DeviceList g_inputs(0);

class DeviceEnumerator final : public IMMDeviceEnumerator {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == __uuidof(IUnknown) || iid == __uuidof(IMMDeviceEnumerator);
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD, IMMDeviceCollection** list) override {
    *list = flow == eCapture ? &g_inputs : &g_outputs;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole, IMMDevice** device) override {
    if (flow == eCapture) return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    *device = &g_devices[0];
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR, IMMDevice**) override { return HRESULT_FROM_WIN32(ERROR_NOT_FOUND); }
  HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient*) override { return S_OK; }
};

DeviceEnumerator g_enumerator;

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == __uuidof(IUnknown) || iid == __uuidof(IClassFactory);
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return g_enumerator.QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

// {BCDE0395-E52F-467C-8E3D-C4579291692E}
constexpr CLSID kDeviceEnumeratorClass = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (clsid != kDeviceEnumeratorClass) {
    *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return g_factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
