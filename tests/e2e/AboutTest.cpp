#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/DialogProbe.h"
#include "tests/support/Input.h"
#include "tests/support/Screenshot.h"

namespace {

const wchar_t* const kSchemes[] = {L"mailto", L"http", L"https"};

std::wstring OpenCommandKey(const wchar_t* scheme) { return std::wstring(scheme) + L"\\shell\\open\\command"; }

std::wstring ReadDefaultValue(const std::wstring& key) {
  wchar_t value[1024] = {};
  DWORD size = sizeof(value);
  if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

void WriteDefaultValue(const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(handle);
}

// Makes the link recorder the handler of the link schemes while it lives, so
// the shell's "open" lands there, not in a browser. (Wine reads the classes
// from the machine's part of the registry only, so the handler goes there and
// the previous one is put back afterwards.)
class LinkHandlers {
 public:
  explicit LinkHandlers(const std::wstring& folder) : m_log(folder + L"\\links.txt") {
    const std::wstring recorder = TestProgramFolder() + L"\\link_recorder.exe";
    const std::wstring copy = folder + L"\\link_recorder.exe";
    ::CopyFileW(recorder.c_str(), copy.c_str(), FALSE);
    const std::wstring command = L"\"" + copy + L"\" \"%1\"";
    for (size_t i = 0; i < std::size(kSchemes); ++i) {
      m_previous[i] = ReadDefaultValue(OpenCommandKey(kSchemes[i]));
      WriteDefaultValue(OpenCommandKey(kSchemes[i]), command);
    }
  }
  ~LinkHandlers() {
    for (size_t i = 0; i < std::size(kSchemes); ++i) WriteDefaultValue(OpenCommandKey(kSchemes[i]), m_previous[i]);
  }
  LinkHandlers(const LinkHandlers&) = delete;
  LinkHandlers& operator=(const LinkHandlers&) = delete;

  // The links opened so far, one per line.
  std::wstring Opened() const {
    const std::string bytes = ReadFileBytes(m_log);
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  }

 private:
  std::wstring m_log;
  std::wstring m_previous[std::size(kSchemes)];
};

class AboutTest : public BrimletTest {
 protected:
  HWND OpenAbout(const BrimletProcess& brimlet) {
    if (brimlet.OpenMenu() == nullptr) return nullptr;
    brimlet.ChooseMenuItem(1);
    return brimlet.WaitForDialog(L"关于");
  }
};

TEST_F(AboutTest, ShowsTheVersionAndBothLinks) {
  WriteConfig(L"[Brimlet]\n");  // no first-start notice over the screenshot
  auto brimlet = Start();
  HWND dialog = OpenAbout(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_VERSION_TEXT), L"1.0.0");
  EXPECT_EQ(ControlText(dialog, IDC_LINK_MAIL), L"联系作者(&C)");
  EXPECT_EQ(ControlText(dialog, IDC_LINK_WEB), L"官网(&W)");
  EXPECT_NE(::GetWindowLongW(::GetDlgItem(dialog, IDC_LINK_MAIL), GWL_STYLE) & SS_NOTIFY, 0)
      << "the links take mouse messages";
  SaveScreenshot(L"about-dialog");
  PressButton(dialog, IDOK);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
}

// The distinct lines of `text`.
std::set<std::wstring> Lines(const std::wstring& text) {
  std::set<std::wstring> lines;
  for (size_t start = 0, end = 0; start < text.size(); start = end + 1) {
    end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    lines.insert(text.substr(start, end - start));
  }
  return lines;
}

RECT ControlRect(HWND dialog, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
  return rect;
}

bool HasColour(const std::vector<COLORREF>& pixels, COLORREF colour) {
  return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
}

// Clicks a link the way a person does: rests on it until it shows it is hovered
// (its look changes from `plain`, taken while the pointer was elsewhere), then
// clicks. A machine under load can still lose the click between the processes,
// so it moves off and on and clicks again until the shell has opened `link`.
bool ClickLinkUntilOpened(HWND dialog, int id, const std::vector<COLORREF>& plain, const LinkHandlers& handlers,
                          const std::wstring& link) {
  const POINT away = ControlCentre(dialog, IDC_VERSION_TEXT);
  const POINT on = ControlCentre(dialog, id);
  const RECT rect = ControlRect(dialog, id);
  const ULONGLONG deadline = ::GetTickCount64() + 30000;
  while (::GetTickCount64() < deadline) {
    PointerAt(away.x, away.y);
    WaitUntil([&] { return CaptureScreen(rect) == plain; }, 3000);
    PointerAt(on.x, on.y);
    WaitUntil([&] { return CaptureScreen(rect) != plain; }, 3000);
    ClickAt(on.x, on.y);
    if (WaitUntil([&] { return Lines(handlers.Opened()).count(link) != 0; }, 5000)) return true;
  }
  return false;
}

TEST_F(AboutTest, ClickingALinkAsksTheShellToOpenIt) {
  const LinkHandlers handlers(m_folder);
  auto brimlet = Start();
  HWND dialog = OpenAbout(*brimlet);
  ASSERT_NE(dialog, nullptr);

  // Both links drawn and not hovered: their plain look.
  const POINT version = ControlCentre(dialog, IDC_VERSION_TEXT);
  PointerAt(version.x, version.y);
  const COLORREF linkColour = ::GetSysColor(COLOR_HOTLIGHT);
  for (const int link : {IDC_LINK_MAIL, IDC_LINK_WEB}) {
    ASSERT_TRUE(WaitUntil([&] { return HasColour(CaptureScreen(ControlRect(dialog, link)), linkColour); }, 5000))
        << "link " << link << " was not drawn in the link colour";
  }
  const std::vector<COLORREF> plainMail = CaptureScreen(ControlRect(dialog, IDC_LINK_MAIL));
  const std::vector<COLORREF> plainWeb = CaptureScreen(ControlRect(dialog, IDC_LINK_WEB));

  const POINT mail = ControlCentre(dialog, IDC_LINK_MAIL);
  PointerAt(mail.x, mail.y);
  EXPECT_TRUE(WaitUntil([&] { return CaptureScreen(ControlRect(dialog, IDC_LINK_MAIL)) != plainMail; }, 5000))
      << "resting on the link changes nothing";
  SaveScreenshot(L"about-dialog-hover");

  EXPECT_TRUE(ClickLinkUntilOpened(dialog, IDC_LINK_MAIL, plainMail, handlers, L"mailto:author@example.com"));
  ClickAt(version.x, version.y);
  EXPECT_TRUE(ClickLinkUntilOpened(dialog, IDC_LINK_WEB, plainWeb, handlers, L"https://brimlet.example.org/"));
  // A click that only arrived late may have opened a link twice; nothing else opens.
  EXPECT_EQ(Lines(handlers.Opened()),
            (std::set<std::wstring>{L"mailto:author@example.com", L"https://brimlet.example.org/"}))
      << "only the links open something";

  PressButton(dialog, IDOK);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
}

// Without a mouse: Tab goes from 确定 to each link in turn, and Enter opens the one with the focus.
TEST_F(AboutTest, TabReachesBothLinksAndEnterOpensOne) {
  const LinkHandlers handlers(m_folder);
  auto brimlet = Start();
  HWND dialog = OpenAbout(*brimlet);
  ASSERT_NE(dialog, nullptr);
  ::SetForegroundWindow(dialog);
  const auto focus = [] {
    GUITHREADINFO front{};
    front.cbSize = sizeof(front);
    return ::GetGUIThreadInfo(0, &front) ? front.hwndFocus : nullptr;
  };
  HWND mail = ::GetDlgItem(dialog, IDC_LINK_MAIL);
  HWND web = ::GetDlgItem(dialog, IDC_LINK_WEB);
  ASSERT_TRUE(WaitUntil([&] { return focus() == ::GetDlgItem(dialog, IDOK); }, 5000)) << "确定 has the focus first";
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return focus() == mail; }, 5000)) << "Tab never leaves 确定";
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return focus() == web; }, 5000));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return Lines(handlers.Opened()).count(L"https://brimlet.example.org/") != 0; }, 10000))
      << "Enter on the link opened nothing";
  EXPECT_TRUE(::IsWindow(dialog)) << "Enter on a link must not press 确定";
  PressButton(dialog, IDOK);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
}

}  // namespace
