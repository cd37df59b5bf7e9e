#pragma once
// The About box: icon, name, version "1.0.0" and two links.
#include "framework/Dialog.h"
#include "ui/Texts.h"
#include "ui/about/LinkControl.h"

class AboutDialog final : public Dialog {
 public:
  explicit AboutDialog(const Texts& texts) : Dialog(IDD_ABOUT, texts.ForDialogs()) {}
  ~AboutDialog() override { Close(); }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LinkControl m_mailLink;
  LinkControl m_webLink;
};
