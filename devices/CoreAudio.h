#pragma once
// The Core Audio classes Brimlet makes: Windows' device enumerator, and its
// policy-configuration interface, which sets the default output for a role. It is not documented: Windows 7 and later have it with this layout,
// and every program that switches outputs uses it. Where it is missing, the
// class cannot be made and outputs cannot be switched.
#include <windows.h>

#include <mmdeviceapi.h>

// {BCDE0395-E52F-467C-8E3D-C4579291692E}
inline constexpr CLSID kDeviceEnumeratorClass = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};

// {870AF99C-171D-4F9E-AF0D-E63DF40C2BC9}
inline constexpr CLSID kPolicyConfigClass = {0x870AF99C, 0x171D, 0x4F9E, {0xAF, 0x0D, 0xE6, 0x3D, 0xF4, 0x0C, 0x2B, 0xC9}};
// {F8679F50-850A-41CF-9C72-430F290290C8}
inline constexpr IID kPolicyConfigInterface = {0xF8679F50, 0x850A, 0x41CF, {0x9C, 0x72, 0x43, 0x0F, 0x29, 0x02, 0x90, 0xC8}};

// COM interfaces have no virtual destructor: objects go through Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct IPolicyConfig : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetMixFormat(PCWSTR device, void** format) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDeviceFormat(PCWSTR device, INT defaultFormat, void** format) = 0;
  virtual HRESULT STDMETHODCALLTYPE ResetDeviceFormat(PCWSTR device) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDeviceFormat(PCWSTR device, void* endpointFormat, void* mixFormat) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProcessingPeriod(PCWSTR device, INT defaultPeriod, PINT64 period,
                                                        PINT64 minimum) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetProcessingPeriod(PCWSTR device, PINT64 period) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetShareMode(PCWSTR device, void* mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetShareMode(PCWSTR device, void* mode) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetDefaultEndpoint(PCWSTR device, ERole role) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetEndpointVisibility(PCWSTR device, INT visible) = 0;
};
#pragma GCC diagnostic pop
