#include "ui/about/AboutDlg.h"

#include "res/resource.h"
#include "ui/about/ProjectLinks.h"

AboutDlg::AboutDlg() : CDialog(IDD_ABOUT) {}

void AboutDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_LINK_WEB, m_linkWeb);
  DDX_Control(dx, IDC_LINK_MAIL, m_linkMail);
  DDX_Control(dx, IDC_VERSION_TEXT, m_stcVersion);
}

BOOL AboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_linkMail.m_strLink = CONTACT_MAIL_LINK;
  m_linkWeb.m_strLink = WEB_SITE_LINK;
  ::SetDlgItemTextW(m_hWnd, IDC_VERSION_TEXT, PRODUCT_VERSION_TEXT);
  return TRUE;
}
