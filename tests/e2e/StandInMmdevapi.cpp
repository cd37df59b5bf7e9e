// Stands in for mmdevapi.dll on the audio bench, which has no sound device:
// three active outputs with their names, whose audio sessions and defaults
// are those a test put in the shared memory of StandInSound.h, each read and
// set there, and the policy-configuration class that sets the defaults. One
// object per device, as Wine's winmm compares device pointers.
#include <windows.h>

#include <audiopolicy.h>
#include <mmdeviceapi.h>

#include <atomic>

#include "devices/CoreAudio.h"
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

// An object that lives as long as the DLL and serves one interface.
template <class Interface>
class Lasting : public Interface {
 public:
  explicit Lasting(REFIID iid) : m_iid(iid) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == __uuidof(IUnknown) || iid == m_iid;
    *out = known ? this : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

 private:
  IID m_iid;
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

// A device's name, as Windows shows it.
class DeviceProperties final : public Lasting<IPropertyStore> {
 public:
  explicit DeviceProperties(DWORD index) : Lasting(__uuidof(IPropertyStore)), m_index(index) {}
  HRESULT STDMETHODCALLTYPE GetCount(DWORD* count) override {
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
    // {A45C254E-DF1C-4EFD-8020-67D146A850E0}, 14: the friendly name.
    constexpr GUID kName = {0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}};
    ::PropVariantInit(value);
    if (key.fmtid != kName || key.pid != 14) return S_OK;  // empty
    const wchar_t* name = kStandInOutputs[m_index];
    const size_t bytes = (::lstrlenW(name) + 1) * sizeof(wchar_t);
    value->pwszVal = static_cast<LPWSTR>(::CoTaskMemAlloc(bytes));
    if (value->pwszVal == nullptr) return E_OUTOFMEMORY;
    ::CopyMemory(value->pwszVal, name, bytes);
    value->vt = VT_LPWSTR;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE Commit() override { return STG_E_ACCESSDENIED; }

 private:
  DWORD m_index;
};

class Device final : public Lasting<IMMDevice> {
 public:
  explicit Device(DWORD index) : Lasting(__uuidof(IMMDevice)), m_index(index), m_sessions(index), m_properties(index) {}
  HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
    if (iid != __uuidof(IAudioSessionManager2) && iid != __uuidof(IAudioSessionManager)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IAudioSessionManager2*>(&m_sessions);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD, IPropertyStore** properties) override {
    *properties = &m_properties;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) override {
    *id = static_cast<LPWSTR>(::CoTaskMemAlloc(32 * sizeof(wchar_t)));
    if (*id == nullptr) return E_OUTOFMEMORY;
    ::wsprintfW(*id, L"{0.0.0.00000000}.stand-in-%lu", m_index);
    return S_OK;
  }
  DWORD index() const { return m_index; }
  HRESULT STDMETHODCALLTYPE GetState(DWORD* state) override {
    *state = DEVICE_STATE_ACTIVE;
    return S_OK;
  }

 private:
  DWORD m_index;
  SessionManager m_sessions;
  DeviceProperties m_properties;
};

Device g_devices[3] = {Device(0), Device(1), Device(2)};

// The device of an id GetId gave out, or -1.
LONG DeviceOf(LPCWSTR id) {
  for (LONG index = 0; index < 3; ++index) {
    LPWSTR own = nullptr;
    g_devices[index].GetId(&own);
    const bool same = own != nullptr && id != nullptr && ::lstrcmpW(own, id) == 0;
    ::CoTaskMemFree(own);
    if (same) return index;
  }
  return -1;
}

class DeviceList final : public Lasting<IMMDeviceCollection> {
 public:
  explicit DeviceList(UINT count) : Lasting(__uuidof(IMMDeviceCollection)), m_count(count) {}
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

DeviceList g_outputs(3);
DeviceList g_inputs(0);

class DeviceEnumerator final : public Lasting<IMMDeviceEnumerator> {
 public:
  DeviceEnumerator() : Lasting(__uuidof(IMMDeviceEnumerator)) {}
  HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD, IMMDeviceCollection** list) override {
    *list = flow == eCapture ? &g_inputs : &g_outputs;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** device) override {
    if (flow == eCapture || role < 0 || role > 2) return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    *device = &g_devices[Shared()->defaults[role] % 3];
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR id, IMMDevice** device) override {
    const LONG index = DeviceOf(id);
    if (index < 0) return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    *device = &g_devices[index];
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UnregisterEndpointNotificationCallback(IMMNotificationClient*) override { return S_OK; }
};

DeviceEnumerator g_enumerator;

class PolicyConfig final : public Lasting<IPolicyConfig> {
 public:
  PolicyConfig() : Lasting(kPolicyConfigInterface) {}
  HRESULT STDMETHODCALLTYPE GetMixFormat(PCWSTR, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDeviceFormat(PCWSTR, INT, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ResetDeviceFormat(PCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetDeviceFormat(PCWSTR, void*, void*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetProcessingPeriod(PCWSTR, INT, PINT64, PINT64) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetProcessingPeriod(PCWSTR, PINT64) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetShareMode(PCWSTR, void*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetShareMode(PCWSTR, void*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(PCWSTR, const PROPERTYKEY&, PROPVARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetPropertyValue(PCWSTR, const PROPERTYKEY&, PROPVARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetDefaultEndpoint(PCWSTR id, ERole role) override {
    const LONG index = DeviceOf(id);
    if (index < 0 || role < 0 || role > 2) return E_INVALIDARG;
    Shared()->defaults[role] = index;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetEndpointVisibility(PCWSTR, INT) override { return E_NOTIMPL; }
};

PolicyConfig g_policy;

// Makes what `Object` serves.
template <class Object>
class Factory final : public Lasting<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    return m_object.QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
  explicit Factory(Object& object) : Lasting<IClassFactory>(__uuidof(IClassFactory)), m_object(object) {}

 private:
  Object& m_object;
};

Factory<DeviceEnumerator> g_devicesFactory(g_enumerator);
Factory<PolicyConfig> g_policyFactory(g_policy);


}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (clsid == kDeviceEnumeratorClass) return g_devicesFactory.QueryInterface(iid, out);
  if (clsid == kPolicyConfigClass) return g_policyFactory.QueryInterface(iid, out);
  *out = nullptr;
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }
