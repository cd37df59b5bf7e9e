#include "framework/Accessibility.h"

#include <oleacc.h>

#include "framework/UniqueHandle.h"

namespace {

// Spelled out here: the import library's copies are not certain on every toolchain.
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kNameProperty = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kValueProperty = {0x123fe443, 0x211a, 0x4615, {0x95, 0x27, 0xc4, 0x5a, 0x7e, 0x93, 0x71, 0x7a}};
constexpr GUID kRoleProperty = {0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

bool Services(ComPtr<IAccPropServices>& services) {
  return SUCCEEDED(::CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                      services.out())) &&
         services;
}

}  // namespace

void AnnounceAsLink(HWND control, const wchar_t* address) {
  ComPtr<IAccPropServices> services;
  if (control == nullptr || !Services(services)) return;
  VARIANT role{};
  role.vt = VT_I4;
  role.lVal = ROLE_SYSTEM_LINK;
  services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kRoleProperty, role);
  services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kValueProperty, address);
}

void AnnounceName(HWND control, const wchar_t* name) {
  ComPtr<IAccPropServices> services;
  if (control == nullptr || !Services(services)) return;
  services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kNameProperty, name);
}

void ClearAnnouncements(HWND control) {
  ComPtr<IAccPropServices> services;
  if (control == nullptr || !Services(services)) return;
  const MSAAPROPID properties[] = {kNameProperty, kValueProperty, kRoleProperty};
  services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties, 3);
}
