#include "ui/about/AboutDialog.h"

#include "res/resource.h"

namespace {

// Where the links lead. The project has no addresses of its own yet: these are
// placeholders under the reserved example domain, to be set at release.
constexpr wchar_t kContactMailLink[] = L"mailto:author@example.com";
constexpr wchar_t kWebSiteLink[] = L"https://brimlet.example.org/";

constexpr wchar_t kProductVersionText[] = L"1.0.0";

}  // namespace

std::optional<LRESULT> AboutDialog::OnMessage(UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return std::nullopt;
  m_mailLink.TakeOver(hwnd(), IDC_LINK_MAIL, kContactMailLink);
  m_webLink.TakeOver(hwnd(), IDC_LINK_WEB, kWebSiteLink);
  ::SetDlgItemTextW(hwnd(), IDC_VERSION_TEXT, kProductVersionText);
  // OK has the focus, as in any box: Enter closes it.
  ::SetFocus(::GetDlgItem(hwnd(), IDOK));
  return FALSE;
}
