// The dialogs as they open in either language, at the DPI the suite runs at
// (96, and 144 in the 144 DPI suite): every text fits its control, every
// control sits inside its group, nothing overlaps, each label and check box has
// an access key of its own, and Tab goes in reading order.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/windows/TestFolder.h"
#include "ui/about/AboutDialog.h"
#include "ui/settings/SettingsDialog.h"

namespace {

struct Control {
  HWND window;
  int id;
  std::wstring kind;  // "group", "check", "button", "static", "other"
  std::wstring text;
  RECT rect;  // on screen
  bool prefixes;  // '&' marks an access key
};

std::string Narrow(const std::wstring& text) {
  std::string narrow(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr,
                                                                nullptr)),
                     '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), static_cast<int>(narrow.size()), nullptr,
                        nullptr);
  narrow.pop_back();
  return narrow;
}

std::vector<Control> Controls(HWND dialog) {
  std::vector<Control> controls;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {};
    wchar_t text[256] = {};
    ::GetClassNameW(child, className, 64);
    ::GetWindowTextW(child, text, 256);
    const auto style = static_cast<DWORD>(::GetWindowLongW(child, GWL_STYLE));
    Control control{child, ::GetDlgCtrlID(child), L"other", text, {}, true};
    ::GetWindowRect(child, &control.rect);
    const std::wstring name = className;
    if (_wcsicmp(className, L"Button") == 0) {
      const DWORD type = style & BS_TYPEMASK;
      control.kind = type == BS_GROUPBOX ? L"group" : type == BS_AUTOCHECKBOX ? L"check" : L"button";
    } else if (_wcsicmp(className, UPDOWN_CLASSW) == 0) {
      control.kind = L"spin";
    } else if (_wcsicmp(className, L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON) {
      control.kind = L"static";
      control.prefixes = (style & SS_NOPREFIX) == 0;
    }
    controls.push_back(control);
  }
  return controls;
}

// The text as drawn, without its access-key mark.
std::wstring Shown(const Control& control) {
  if (!control.prefixes) return control.text;
  std::wstring shown;
  for (size_t i = 0; i < control.text.size(); ++i) {
    if (control.text[i] == L'&' && i + 1 < control.text.size()) ++i;
    shown += control.text[i];
  }
  return shown;
}

SIZE TextSize(HWND window, const std::wstring& text) {
  HDC dc = ::GetDC(window);
  const HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return size;
}

bool Inside(const RECT& inner, const RECT& outer, int margin) {
  return inner.left >= outer.left + margin && inner.right <= outer.right - margin && inner.top >= outer.top &&
         inner.bottom <= outer.bottom - margin;
}

void ExpectTidyLayout(HWND dialog, const char* which) {
  SCOPED_TRACE(which);
  const std::vector<Control> controls = Controls(dialog);
  const UINT dpi = ::GetDpiForWindow(dialog);
  const int checkBox = ::MulDiv(13 + 6, static_cast<int>(dpi), 96);  // the box and the gap before its text

  std::set<wchar_t> keys;
  for (const Control& control : controls) {
    SCOPED_TRACE(Narrow(control.text));
    RECT client{};
    ::GetClientRect(control.window, &client);
    const SIZE text = TextSize(control.window, Shown(control));
    int room = client.right;  // for the text
    if (control.kind == L"check") room -= checkBox;
    if (control.kind == L"group") room -= ::MulDiv(16, static_cast<int>(dpi), 96);
    if (control.kind == L"button") room -= ::MulDiv(8, static_cast<int>(dpi), 96);
    if (control.kind != L"other" && !control.text.empty()) {
      EXPECT_LE(text.cx, room) << "text cut off";
    }

    // Every label and check box has an access key, and no two controls share
    // one; OK and Cancel answer Enter and Esc, and a group that frames several
    // controls names none.
    const size_t mark = control.prefixes ? control.text.find(L'&') : std::wstring::npos;
    const bool wantsKey = control.prefixes && !control.text.empty() && (control.kind == L"static" || control.kind == L"check");
    if (wantsKey && mark == std::wstring::npos) ADD_FAILURE() << "no access key";
    if (mark != std::wstring::npos && mark + 1 < control.text.size()) {
      const wchar_t key = control.text[mark + 1];
      EXPECT_TRUE(keys.insert(key >= L'a' && key <= L'z' ? static_cast<wchar_t>(key - L'a' + L'A') : key).second)
          << "access key used twice";
    }

    // Inside its group, below the group's caption; overlapping nothing else.
    for (const Control& group : controls) {
      if (group.kind != L"group" || &group == &control) continue;
      const POINT centre{(control.rect.left + control.rect.right) / 2, (control.rect.top + control.rect.bottom) / 2};
      if (!::PtInRect(&group.rect, centre)) continue;
      RECT frame = group.rect;
      frame.top += TextSize(group.window, Shown(group)).cy;
      EXPECT_TRUE(Inside(control.rect, frame, 2)) << "sticks out of " << Narrow(group.text);
    }
    for (const Control& other : controls) {
      if (&other == &control || other.kind == L"group" || control.kind == L"group") continue;
      // An up-down control shares its border with the field it steps.
      const auto buddy = [](const Control& spin) {
        return spin.kind == L"spin" ? reinterpret_cast<HWND>(::SendMessageW(spin.window, UDM_GETBUDDY, 0, 0)) : nullptr;
      };
      if (buddy(control) == other.window || buddy(other) == control.window) continue;
      RECT both{};
      EXPECT_FALSE(::IntersectRect(&both, &control.rect, &other.rect)) << "overlaps " << Narrow(other.text);
    }
  }

  // Tab goes row by row, left to right, from the first tab stop round to it again.
  HWND first = ::GetNextDlgTabItem(dialog, nullptr, FALSE);
  ASSERT_NE(first, nullptr);
  HWND previous = first;
  for (int stops = 0; stops < 40; ++stops) {
    HWND next = ::GetNextDlgTabItem(dialog, previous, FALSE);
    if (next == first) break;
    RECT a{};
    RECT b{};
    ::GetWindowRect(previous, &a);
    ::GetWindowRect(next, &b);
    const bool sameRow = b.top < a.bottom && a.top < b.bottom;
    EXPECT_TRUE(sameRow ? b.left > a.left : b.top >= a.bottom)
        << "Tab goes from control " << ::GetDlgCtrlID(previous) << " back to " << ::GetDlgCtrlID(next);
    previous = next;
  }
}

class DialogLayoutTest : public ::testing::TestWithParam<bool> {
 protected:
  // As Brimlet.exe's manifest says; the first call of the process counts.
  DialogLayoutTest() { ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2); }
  const Texts m_texts{GetParam()};
};

struct NoOwner final : SettingsDialog::Owner {
  void SettingsSaved() override {}
};

TEST_P(DialogLayoutTest, SettingsFitsReadsInOrderAndHasItsAccessKeys) {
  TestFolder folder;
  const SettingsStore store({L"", folder.File(L"config.ini"), L""});
  NoOwner owner;
  SettingsDialog dialog(store, m_texts, owner);
  ASSERT_TRUE(dialog.Show());
  ExpectTidyLayout(dialog.hwnd(), GetParam() ? "Chinese" : "English");
  // The interval's number shows any value the file can hold.
  HWND number = ::GetDlgItem(dialog.hwnd(), IDC_INTERVAL_TEXT);
  RECT client{};
  ::GetClientRect(number, &client);
  EXPECT_LE(TextSize(number, L"-2147483648").cx, client.right);
}

TEST_P(DialogLayoutTest, AboutFitsReadsInOrderAndHasItsAccessKeys) {
  AboutDialog dialog(m_texts);
  ASSERT_TRUE(dialog.Show());
  ExpectTidyLayout(dialog.hwnd(), GetParam() ? "Chinese" : "English");
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLayoutTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& language) {
                           return language.param ? "Chinese" : "English";
                         });

}  // namespace
