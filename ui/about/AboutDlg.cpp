#include "ui/about/AboutDlg.h"

#include "res/resource.h"
#include "ui/about/ProjectLinks.h"

AboutDlg::AboutDlg(const Texts& texts) : CDialog(texts.Dialog(IDD_ABOUT)) {}

void AboutDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_LINK_WEB, m_webLink);
  DDX_Control(dx, IDC_LINK_MAIL, m_mailLink);
  DDX_Control(dx, IDC_VERSION_TEXT, m_versionText);
}

BOOL AboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_mailLink.SetLink(kContactMailLink);
  m_webLink.SetLink(kWebSiteLink);
  ::SetDlgItemTextW(m_hWnd, IDC_VERSION_TEXT, kProductVersionText);
  return TRUE;
}
