// What other programs and real machines do to a running Brimlet: taskkill,
// stray quit requests, an instance running elevated, a save cut short by a
// power cut.
#include <windows.h>

#include <aclapi.h>
#include <objidl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include "core/SaveNames.h"
#include "res/resource.h"
#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/DialogProbe.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/support/Input.h"

namespace {

using RobustnessTest = BrimletTest;

// Runs a command line and waits for it.
DWORD RunCommand(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return ::GetLastError();
  }
  ::CloseHandle(info.hThread);
  ::WaitForSingleObject(info.hProcess, 30000);
  DWORD exitCode = 1;
  ::GetExitCodeProcess(info.hProcess, &exitCode);
  ::CloseHandle(info.hProcess);
  return exitCode;
}

TEST_F(RobustnessTest, TaskkillWithoutForceEndsTheProgramAsExitDoes) {
  auto brimlet = Start();
  HWND tray = brimlet->trayWindow();
  ASSERT_TRUE(IconExists(tray));
  // Without /F taskkill asks: it posts WM_CLOSE to the process's top-level windows.
  EXPECT_EQ(RunCommand(L"taskkill.exe /PID " + std::to_wstring(brimlet->pid())), 0U);
  DWORD exitCode = 99;
  ASSERT_TRUE(brimlet->WaitForExit(15000, &exitCode)) << "Brimlet kept running after taskkill";
  EXPECT_EQ(exitCode, 0U);
  EXPECT_FALSE(IconExists(tray)) << "the icon stayed behind";
}

// taskkill or the end of the session while the tray menu is open: the menu
// closes and the program ends as by Exit.
TEST_F(RobustnessTest, EndRequestWhileTheMenuIsOpenEndsTheProgram) {
  for (const bool endOfSession : {false, true}) {
    auto brimlet = Start();
    HWND tray = brimlet->trayWindow();
    HWND shell = brimlet->ShellWatchWindow();
    ASSERT_NE(shell, nullptr);
    ASSERT_NE(brimlet->OpenMenu(), nullptr);
    if (endOfSession) {
      DWORD_PTR result = 0;
      ::SendMessageTimeoutW(shell, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &result);
      EXPECT_FALSE(IconExists(tray)) << "the icon is gone before WM_ENDSESSION returns";
    } else {
      ASSERT_TRUE(::PostMessageW(shell, WM_CLOSE, 0, 0));
    }
    DWORD exitCode = 99;
    ASSERT_TRUE(brimlet->WaitForExit(15000, &exitCode)) << (endOfSession ? "WM_ENDSESSION" : "WM_CLOSE")
                                                        << " with the menu open did not end the program";
    EXPECT_EQ(exitCode, 0U);
    EXPECT_FALSE(IconExists(tray));
  }
}

// The message-only window that holds the icon is no top-level window: a close
// request sent to it anyway destroys nothing.
TEST_F(RobustnessTest, CloseRequestToTheIconsWindowChangesNothing) {
  WriteConfig(kAllVolumeNoInterval);
  KeyWatcher keys;
  auto brimlet = Start();
  HWND tray = brimlet->trayWindow();
  DWORD_PTR result = 0;
  ASSERT_TRUE(::SendMessageTimeoutW(tray, WM_CLOSE, 0, 0, SMTO_BLOCK, 10000, &result));
  EXPECT_TRUE(::IsWindow(tray));
  EXPECT_TRUE(IconExists(tray));
  WheelAt(0, 1079, 120);
  EXPECT_TRUE(keys.WaitForCount(1, 5000));
  ASSERT_NE(brimlet->OpenMenu(), nullptr) << "the icon opens nothing";
  brimlet->ChooseMenuItem(2);
  DWORD exitCode = 99;
  EXPECT_TRUE(brimlet->WaitForExit(10000, &exitCode));
  EXPECT_EQ(exitCode, 0U);
}

TEST_F(RobustnessTest, QuitRequestsFromOtherProgramsLeaveTheHookWorking) {
  WriteConfig(kAllVolumeNoInterval);
  KeyWatcher keys;
  auto brimlet = Start();
  WheelAt(0, 1079, 120);
  ASSERT_TRUE(keys.WaitForCount(1, 5000));

  // Every thread but the tray's (a quit request there is how the bench itself ends Brimlet).
  const DWORD trayThread = ::GetWindowThreadProcessId(brimlet->trayWindow(), nullptr);
  const UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  ASSERT_TRUE(snapshot);
  THREADENTRY32 thread{};
  thread.dwSize = sizeof(thread);
  int posted = 0;
  for (BOOL more = ::Thread32First(snapshot.get(), &thread); more; more = ::Thread32Next(snapshot.get(), &thread)) {
    if (thread.th32OwnerProcessID != brimlet->pid() || thread.th32ThreadID == trayThread) continue;
    posted += ::PostThreadMessageW(thread.th32ThreadID, WM_QUIT, 0, 0) ? 1 : 0;
  }
  ASSERT_GT(posted, 0) << "the hook's thread has a queue";
  ::Sleep(200);
  for (int turn = 0; turn < 30 && keys.Count() < 2; ++turn) {
    WheelAt(0, 1079, 120);
    keys.WaitForCount(2, 1000);
  }
  EXPECT_EQ(keys.Count(), 2U) << "the corners stopped working";
  EXPECT_TRUE(brimlet->IsRunning());
}

TEST_F(RobustnessTest, InstanceThisUserMayNotOpenCountsAsRunning) {
  // As an instance running elevated leaves it: a mutex with a DACL that grants nothing.
  SECURITY_DESCRIPTOR descriptor{};
  ASSERT_TRUE(::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ACL acl{};
  ASSERT_TRUE(::InitializeAcl(&acl, sizeof(acl), ACL_REVISION));
  ASSERT_TRUE(::SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE));
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
  const UniqueKernelHandle elevated(::CreateMutexW(&attributes, FALSE, L"Brimlet"));
  ASSERT_TRUE(elevated);
  ::SetLastError(0);
  const UniqueKernelHandle opened(::CreateMutexW(nullptr, FALSE, L"Brimlet"));
  if (opened || ::GetLastError() != ERROR_ACCESS_DENIED) GTEST_SKIP() << "this system lets the user open it anyway";

  ExpectAnotherStartEndsAtOnce();
}

// Power lost between the two renames of a save: config.ini is missing, and its
// contents sit under the save's leftover names.
TEST_F(RobustnessTest, SettingsCutOffByAPowerCutAreRestoredAtStart) {
  const std::wstring config = m_folder + L"\\config.ini";
  const std::string old = Utf8ConfigBytes(L"[Brimlet]\nInterval = 7\n");
  const std::string saved = Utf8ConfigBytes(L"[Brimlet]\nInterval = 9\n");
  const std::wstring backup = SaveSiblingName(config, 4242, 0, kBackupSuffix);
  const std::wstring temporary = SaveSiblingName(config, 4242, 1, kTemporarySuffix);
  const auto restored = [&](const std::string& bytes) {
    return WaitUntil([&] { return ReadFileBytes(config) == bytes; }, 15000);
  };

  ASSERT_TRUE(WriteFileBytes(backup, old));  // the old file, moved aside
  {
    auto brimlet = Start();
    EXPECT_TRUE(restored(old)) << "the backup alone";
  }
  ASSERT_TRUE(::DeleteFileW(config.c_str()));
  ASSERT_TRUE(WriteFileBytes(backup, old));
  ASSERT_TRUE(WriteFileBytes(temporary, saved));  // the new content, complete before the replace began
  {
    auto brimlet = Start();
    EXPECT_TRUE(restored(saved)) << "the new content of a save whose replace had begun";
    EXPECT_TRUE(FileExists(backup)) << "nothing is deleted while the file was missing";
  }
}

// A shell link at `path` to `target`, or its target when `target` is null.
std::wstring ShellLink(const std::wstring& path, const wchar_t* target = nullptr) {
  const ComApartment com;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) {
    return L"";
  }
  if (target != nullptr) {
    link->SetPath(target);
    return SUCCEEDED(file->Save(path.c_str(), TRUE)) ? target : L"";
  }
  wchar_t found[MAX_PATH] = {};
  if (FAILED(file->Load(path.c_str(), STGM_READ))) return L"";
  link->GetPath(found, MAX_PATH, nullptr, SLGP_RAWPATH);
  return found;
}

// Brimlet was moved after start at logon was chosen: the shortcut follows it.
TEST_F(RobustnessTest, StartupShortcutToAMovedProgramFollowsIt) {
  const std::wstring shortcut = StartupShortcutPath();
  const std::wstring gone = m_folder + L"\\Downloads\\Brimlet.exe";
  ASSERT_EQ(ShellLink(shortcut, gone.c_str()), gone);
  {
    auto brimlet = Start();
    EXPECT_TRUE(WaitUntil([&] { return ShellLink(shortcut) == brimlet->ExePath(); }, 15000))
        << "the shortcut still points at the old place";
  }
  // Another Brimlet.exe that exists is the user's choice; a file that is no link is not ours.
  const std::wstring other = m_folder + L"\\other.exe";
  ASSERT_TRUE(WriteFileBytes(other, "MZ"));
  ASSERT_EQ(ShellLink(shortcut, other.c_str()), other);
  {
    auto brimlet = Start();
    EXPECT_EQ(ShellLink(shortcut), other);
  }
  ASSERT_TRUE(WriteFileBytes(shortcut, "not a shell link"));
  {
    auto brimlet = Start();
    EXPECT_EQ(ReadFileBytes(shortcut), "not a shell link");
  }
}

// A config.ini another program holds open without sharing at start (an
// editor, a sync client, a virus scanner) is read as soon as it is free:
// nothing acts meanwhile, not the defaults either (a corner the user turned
// off never acts), and Settings does not open on anything but the file: a box
// says another program holds it. Once free, Settings shows the file.
TEST_F(RobustnessTest, SettingsHeldOpenAtStartAreReadOnceFreeAndNeverReplacedByTheDefaults) {
  const std::wstring lines = L"[Brimlet]\nLBControll = 0\nRBControll = 1\nInterval = 0\nVolumeStep = 8\n";
  WriteConfig(lines);
  const std::wstring config = m_folder + L"\\config.ini";
  UniqueKernelHandle held(::CreateFileW(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  BrimletProcess brimlet(m_folder);
  ASSERT_TRUE(brimlet.Launch());
  ASSERT_TRUE(brimlet.WaitForTrayWindow()) << "the first read is behind it";
  ASSERT_TRUE(brimlet.WaitUntilServing());
  ASSERT_NE(brimlet.OpenMenu(), nullptr);
  brimlet.ChooseMenuItem(0);
  HWND box = brimlet.WaitForDialog(L"错误");
  ASSERT_NE(box, nullptr) << "Settings opened on what was never read";
  EXPECT_EQ(brimlet.WaitForDialog(L"设置", 100), nullptr);
  PressButton(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(box, 5000));
  KeyWatcher keys;
  // Past the 3 s of quick tries: the defaults would act in the bottom-left corner now.
  const ULONGLONG heldUntil = ::GetTickCount64() + 4000;
  while (::GetTickCount64() < heldUntil) {
    WheelAt(0, 1079, 120);
    EXPECT_FALSE(keys.WaitForCount(1, 250)) << "something acted on the defaults";
  }
  held.reset();
  // The bottom-right corner acts once the file is read; the bottom-left never.
  ASSERT_TRUE(WaitUntil(
      [&] {
        WheelAt(0, 1079, 120);
        WheelAt(1919, 1079, -120);
        return keys.WaitForCount(1, 200);
      },
      10000));
  for (const DWORD key : keys.KeyDowns()) EXPECT_EQ(key, DWORD{VK_VOLUME_DOWN}) << "the corner turned off acted";
  ASSERT_NE(brimlet.OpenMenu(), nullptr);
  brimlet.ChooseMenuItem(0);
  HWND dialog = brimlet.WaitForDialog(L"设置");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ListSelection(dialog, IDC_LB_COMBO), 0) << "the dialog shows the file";
  EXPECT_EQ(ControlText(dialog, IDC_VOLUME_STEP_EDIT), L"8");
  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(dialog, 5000));
  EXPECT_EQ(ReadFileBytes(config), Utf8ConfigBytes(lines)) << "a copy's first file is never written over a file that is there";
}

}  // namespace
