#include "ui/about/AboutDialog.h"

#include "res/resource.h"
#include "ui/about/ProjectLinks.h"

std::optional<LRESULT> AboutDialog::OnMessage(UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return std::nullopt;
  m_mailLink.TakeOver(hwnd(), IDC_LINK_MAIL, kContactMailLink);
  m_webLink.TakeOver(hwnd(), IDC_LINK_WEB, kWebSiteLink);
  ::SetDlgItemTextW(hwnd(), IDC_VERSION_TEXT, kProductVersionText);
  // OK has the focus, as in any box: Enter closes it.
  ::SetFocus(::GetDlgItem(hwnd(), IDOK));
  return FALSE;
}
