#pragma once
// A field of the Settings dialog that holds a global key: it shows the key by
// the name config.ini gives it (Win included) and takes a key pressed in it
// with its modifiers, and nothing else. Keys meant for moving around the
// dialog keep that meaning: Tab, Enter and Esc, Ctrl+Tab and Ctrl+PageUp or
// PageDown (the dialog takes them first), and Alt with an access key of the
// dialog. A key that could not be a global key (one that would take typing,
// or one Windows keeps) is not taken: a balloon says why. Backspace or Delete
// alone empties the field. A value it cannot show as a key is shown as
// unknown and stays until another key is taken.
#include <windows.h>

#include <optional>
#include <string>

#include "core/KeyNames.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "ui/Texts.h"

class KeyField final : public SubclassedControl {
 public:
  KeyField(const Dialog& dialog, const Texts& texts) : m_dialog(dialog), m_texts(texts) {}

  // Shows a value as the settings hold it. The field then changes (and
  // notifies EN_CHANGE) only when a key is taken or it is emptied.
  void Show(const std::wstring& value);
  // The key's name as config.ini writes it; empty for none.
  const std::wstring& name() const { return m_name; }

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Take(const HotKey& key);
  void Refuse(HotKeyProblem problem, const std::wstring& name);

  const Dialog& m_dialog;
  const Texts& m_texts;
  std::wstring m_name;
};
