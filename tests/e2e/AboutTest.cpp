#include <string>

#include "res/resource.h"
#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/DialogProbe.h"
#include "tests/support/Input.h"
#include "tests/e2e/Screenshot.h"

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
    const std::wstring recorder = ExecutableFolder() + L"\\link_recorder.exe";
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
  auto brimlet = Start();
  HWND dialog = OpenAbout(*brimlet);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_VERSION_TEXT), L"1.0.0");
  EXPECT_EQ(ControlText(dialog, IDC_LINK_MAIL), L"联系作者");
  EXPECT_EQ(ControlText(dialog, IDC_LINK_WEB), L"官网");
  EXPECT_NE(::GetWindowLongW(::GetDlgItem(dialog, IDC_LINK_MAIL), GWL_STYLE) & SS_NOTIFY, 0)
      << "the links take mouse messages";
  SaveScreenshot(L"about-dialog");
  PressButton(dialog, IDOK);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
}

TEST_F(AboutTest, ClickingALinkAsksTheShellToOpenIt) {
  const LinkHandlers handlers(m_folder);
  auto brimlet = Start();
  HWND dialog = OpenAbout(*brimlet);
  ASSERT_NE(dialog, nullptr);

  const POINT mail = ControlCentre(dialog, IDC_LINK_MAIL);
  PointerAt(mail.x, mail.y);
  ::Sleep(300);
  SaveScreenshot(L"about-dialog-hover");

  ClickAt(mail.x, mail.y);
  EXPECT_TRUE(WaitUntil([&] { return handlers.Opened() == L"mailto:author@example.com\n"; }, 10000))
      << std::string(handlers.Opened().begin(), handlers.Opened().end());

  const POINT version = ControlCentre(dialog, IDC_VERSION_TEXT);
  ClickAt(version.x, version.y);
  const POINT web = ControlCentre(dialog, IDC_LINK_WEB);
  ClickAt(web.x, web.y);
  EXPECT_TRUE(WaitUntil(
      [&] { return handlers.Opened() == L"mailto:author@example.com\nhttps://brimlet.example.org/\n"; }, 10000))
      << "only the links open something";

  PressButton(dialog, IDOK);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
}

}  // namespace
