#include "devices/SystemOutputs.h"

#include "devices/CoreAudio.h"
#include "framework/UniqueHandle.h"

namespace {

// {A45C254E-DF1C-4EFD-8020-67D146A850E0}, 14: the name Windows shows.
constexpr PROPERTYKEY kFriendlyName = {{0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};

std::wstring IdOf(IMMDevice& device) {
  wchar_t* id = nullptr;
  if (FAILED(device.GetId(&id)) || id == nullptr) return {};
  std::wstring text(id);
  ::CoTaskMemFree(id);
  return text;
}

std::wstring NameOf(IMMDevice& device) {
  ComPtr<IPropertyStore> properties;
  PROPVARIANT value;
  ::PropVariantInit(&value);
  std::wstring name;
  if (SUCCEEDED(device.OpenPropertyStore(STGM_READ, properties.put())) &&
      SUCCEEDED(properties->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR && value.pwszVal != nullptr) {
    name = value.pwszVal;
  }
  ::PropVariantClear(&value);
  return name;
}

}  // namespace

bool SystemOutputs::List(std::vector<OutputDevice>& outputs) {
  outputs.clear();
  ComPtr<IMMDeviceEnumerator> devices;
  ComPtr<IMMDeviceCollection> active;
  UINT count = 0;
  if (FAILED(::CoCreateInstance(kDeviceEnumeratorClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IMMDeviceEnumerator),
                                devices.out())) ||
      FAILED(devices->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, active.put())) ||
      FAILED(active->GetCount(&count))) {
    return false;
  }
  std::wstring defaultId;
  if (ComPtr<IMMDevice> device; SUCCEEDED(devices->GetDefaultAudioEndpoint(eRender, eConsole, device.put()))) {
    defaultId = IdOf(*device.get());
  }
  for (UINT index = 0; index < count; ++index) {
    ComPtr<IMMDevice> device;
    if (FAILED(active->Item(index, device.put()))) continue;
    OutputDevice output{IdOf(*device.get()), NameOf(*device.get())};
    if (output.id.empty()) continue;
    output.isDefault = output.id == defaultId;
    if (output.name.empty()) output.name = output.id;
    outputs.push_back(std::move(output));
  }
  return true;
}

bool SystemOutputs::CanSwitch() {
  ComPtr<IPolicyConfig> policy;
  return SUCCEEDED(::CoCreateInstance(kPolicyConfigClass, nullptr, CLSCTX_ALL, kPolicyConfigInterface, policy.out()));
}

bool SystemOutputs::MakeDefault(const std::wstring& id) {
  ComPtr<IPolicyConfig> policy;
  if (FAILED(::CoCreateInstance(kPolicyConfigClass, nullptr, CLSCTX_ALL, kPolicyConfigInterface, policy.out()))) {
    return false;
  }
  bool done = true;
  for (const ERole role : {eConsole, eMultimedia, eCommunications}) {
    done = SUCCEEDED(policy->SetDefaultEndpoint(id.c_str(), role)) && done;
  }
  return done;
}
