#include "ui/about/AboutDlg.h"

#include "res/resource.h"
#include "ui/about/ProjectLinks.h"

AboutDlg::AboutDlg() : CDialog(IDD_ABOUT) {}

void AboutDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_LINK_WEB, m_webLink);
  DDX_Control(dx, IDC_LINK_MAIL, m_mailLink);
  DDX_Control(dx, IDC_VERSION_TEXT, m_versionText);
}

BOOL AboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_mailLink.m_link = kContactMailLink;
  m_webLink.m_link = kWebSiteLink;
  ::SetDlgItemTextW(m_hWnd, IDC_VERSION_TEXT, kProductVersionText);
  return TRUE;
}
