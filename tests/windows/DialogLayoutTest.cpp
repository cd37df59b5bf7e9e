// The dialogs as they open in either language, at the DPI the suite runs at
// (96, and 144 in the 144 DPI suite), every page of Settings: every text fits
// its control, every control sits inside its group and its page, nothing
// overlaps, each label and check box has an access key of its own on its page
// and the tabs have keys no page uses, Tab goes in reading order, and the
// dialog fits a 1366 x 768 screen at 96 DPI and a 1920 x 1080 one at 144 DPI.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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
  std::wstring kind;  // "group", "check", "button", "static", "spin", "tabs", "page", "other"
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
    } else if (_wcsicmp(className, WC_TABCONTROLW) == 0) {
      control.kind = L"tabs";
    } else if (_wcsicmp(className, L"#32770") == 0) {
      control.kind = L"page";
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

wchar_t Upper(wchar_t key) { return key >= L'a' && key <= L'z' ? static_cast<wchar_t>(key - L'a' + L'A') : key; }

// The tabs' access keys; each one a tab of its own.
std::set<wchar_t> TabKeys(HWND tabs) {
  std::set<wchar_t> keys;
  const auto count = static_cast<int>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int tab = 0; tab < count; ++tab) {
    wchar_t text[128] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    ::SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
    const wchar_t* mark = wcschr(text, L'&');
    if (mark == nullptr || mark[1] == L'\0') {
      ADD_FAILURE() << "a tab without an access key";
      continue;
    }
    EXPECT_TRUE(keys.insert(Upper(mark[1])).second) << "two tabs with one access key";
  }
  return keys;
}

// `page`: the page shown, whose controls count with the dialog's own; null for
// a dialog without pages.
void ExpectTidyLayout(HWND dialog, HWND page, const char* which) {
  SCOPED_TRACE(which);
  std::vector<Control> controls;
  for (const Control& control : Controls(dialog)) {
    if (control.kind != L"page") controls.push_back(control);
  }
  HWND tabs = nullptr;
  for (const Control& control : controls) {
    if (control.kind == L"tabs") tabs = control.window;
  }
  std::set<wchar_t> keys = tabs != nullptr ? TabKeys(tabs) : std::set<wchar_t>{};
  if (page != nullptr) {
    RECT area{};
    ::GetClientRect(page, &area);
    ::MapWindowPoints(page, nullptr, reinterpret_cast<POINT*>(&area), 2);
    for (const Control& control : Controls(page)) {
      SCOPED_TRACE(Narrow(control.text));
      EXPECT_TRUE(Inside(control.rect, area, 0)) << "sticks out of its page";
      controls.push_back(control);
    }
    RECT display{};
    ::GetWindowRect(tabs, &display);
    ::SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_TRUE(Inside(area, display, 0)) << "the page sticks out of the tab control's display area";
  }
  const UINT dpi = ::GetDpiForWindow(dialog);
  const int checkBox = ::MulDiv(13 + 6, static_cast<int>(dpi), 96);  // the box and the gap before its text

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
      EXPECT_TRUE(keys.insert(Upper(key)).second) << "access key used twice on the page, or by a tab";
    }

    // Inside its group, below the group's caption; overlapping nothing else.
    for (const Control& group : controls) {
      if (group.kind != L"group" || &group == &control || control.kind == L"tabs") continue;
      const POINT centre{(control.rect.left + control.rect.right) / 2, (control.rect.top + control.rect.bottom) / 2};
      if (!::PtInRect(&group.rect, centre)) continue;
      RECT frame = group.rect;
      frame.top += TextSize(group.window, Shown(group)).cy;
      EXPECT_TRUE(Inside(control.rect, frame, 2)) << "sticks out of " << Narrow(group.text);
    }
    for (const Control& other : controls) {
      if (&other == &control || other.kind == L"group" || control.kind == L"group" || other.kind == L"tabs" ||
          control.kind == L"tabs") {
        continue;
      }
      // An up-down control shares its border with the field it steps.
      const auto buddy = [](const Control& spin) {
        return spin.kind == L"spin" ? reinterpret_cast<HWND>(::SendMessageW(spin.window, UDM_GETBUDDY, 0, 0)) : nullptr;
      };
      if (buddy(control) == other.window || buddy(other) == control.window) continue;
      RECT both{};
      EXPECT_FALSE(::IntersectRect(&both, &control.rect, &other.rect)) << "overlaps " << Narrow(other.text);
    }
  }

  // Tab goes row by row, left to right, from the first tab stop round to it
  // again; as in a property sheet, the page comes first, then the buttons, and
  // the tabs last.
  HWND first = ::GetNextDlgTabItem(dialog, nullptr, FALSE);
  ASSERT_NE(first, nullptr);
  HWND previous = first;
  for (int stops = 0; stops < 40; ++stops) {
    HWND next = ::GetNextDlgTabItem(dialog, previous, FALSE);
    if (next == first) break;
    if (next == tabs) {
      EXPECT_EQ(::GetNextDlgTabItem(dialog, tabs, FALSE), first) << "the tabs are the last tab stop";
      break;
    }
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
  std::vector<KeyFault> SettingsSaved(const Settings&, bool) override { return {}; }
};

// The work area of the smallest screen the dialog must fit at the DPI the
// suite runs at: 1366 x 768 at 96 DPI, 1920 x 1080 at 144 DPI, each above a taskbar.
SIZE SmallestWorkArea(UINT dpi) {
  if (dpi <= 96) return {1366, 768 - 40};
  return {1920, 1080 - 60};
}

TEST_P(DialogLayoutTest, SettingsPagesFitReadInOrderAndHaveTheirAccessKeys) {
  TestFolder folder;
  const SettingsStore store({L"", folder.File(L"config.ini"), L""});
  NoOwner owner;
  SettingsDialog dialog(store, m_texts, owner, Settings{});
  ASSERT_TRUE(dialog.Show());
  HWND tabs = ::GetDlgItem(dialog.hwnd(), IDC_SETTINGS_TABS);
  const auto pages = static_cast<size_t>(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  ASSERT_GE(pages, 5U);
  for (size_t page = 0; page < pages; ++page) {
    dialog.ShowPage(page);
    HWND shown = nullptr;
    for (HWND child = ::GetWindow(dialog.hwnd(), GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
      wchar_t className[16] = {};
      ::GetClassNameW(child, className, 16);
      if (wcscmp(className, L"#32770") == 0 && ::IsWindowVisible(child)) shown = child;
    }
    ASSERT_NE(shown, nullptr) << "page " << page;
    ExpectTidyLayout(dialog.hwnd(), shown, (std::string(GetParam() ? "Chinese" : "English") + ", page " +
                                            std::to_string(page)).c_str());
  }
  RECT frame{};
  ::GetWindowRect(dialog.hwnd(), &frame);
  const SIZE room = SmallestWorkArea(::GetDpiForWindow(dialog.hwnd()));
  EXPECT_LE(frame.right - frame.left, room.cx) << "wider than the screen's work area";
  EXPECT_LE(frame.bottom - frame.top, room.cy) << "taller than the screen's work area";
  std::printf("Settings at %u DPI: %ld x %ld pixels\n", ::GetDpiForWindow(dialog.hwnd()), frame.right - frame.left,
              frame.bottom - frame.top);
  // The interval's number shows any value the file can hold.
  HWND number = dialog.Control(IDC_INTERVAL_TEXT);
  RECT client{};
  ::GetClientRect(number, &client);
  EXPECT_LE(TextSize(number, L"-2147483648").cx, client.right);
  // A key field shows three modifiers and the longest key name.
  for (const int field : {IDC_BRIGHTER_KEY, IDC_DARKER_KEY}) {
    ::GetClientRect(dialog.Control(field), &client);
    EXPECT_LE(TextSize(dialog.Control(field), L"Ctrl+Alt+Shift+PageDown").cx, client.right - 4) << field;
  }
}

TEST_P(DialogLayoutTest, AboutFitsReadsInOrderAndHasItsAccessKeys) {
  AboutDialog dialog(m_texts);
  ASSERT_TRUE(dialog.Show());
  ExpectTidyLayout(dialog.hwnd(), nullptr, GetParam() ? "Chinese" : "English");
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogLayoutTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& language) {
                           return language.param ? "Chinese" : "English";
                         });

}  // namespace
