#pragma once
// The About box: icon, name, version "1.0.0" and two links.
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "ui/Texts.h"
#include "ui/about/LinkStatic.h"

class AboutDlg : public CDialog {
 public:
  explicit AboutDlg(const Texts& texts);
  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;

 private:
  CLinkStatic m_mailLink;
  CLinkStatic m_webLink;
  CStatic m_versionText;
};
