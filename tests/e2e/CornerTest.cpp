#include "tests/e2e/BrimletTest.h"
// after windows.h, which it needs
#include <wtsapi32.h>
#include "tests/support/Input.h"
#include "tests/e2e/KeyWatcher.h"

namespace {

constexpr DWORD kUp = VK_VOLUME_UP;
constexpr DWORD kDown = VK_VOLUME_DOWN;
constexpr DWORD kKeyWait = 5000;

class CornerTest : public BrimletTest {
 protected:
  // A turn the test knows becomes a down key. Brimlet handles wheel events in
  // order, so once its key is seen every earlier event has been handled too.
  void Sentinel() {
    const size_t before = m_keys.Count();
    WheelAt(1919, 1079, -120);
    ASSERT_TRUE(m_keys.WaitForCount(before + 1, kKeyWait)) << "the sentinel turn produced no key";
  }
  // Keys from the turns at `points`, followed by the sentinel's down key.
  std::vector<DWORD> KeysFrom(std::initializer_list<POINT> points, int delta = 120, bool horizontal = false) {
    m_keys.Clear();
    for (const POINT& point : points) WheelAt(point.x, point.y, delta, horizontal);
    Sentinel();
    std::vector<DWORD> keys = m_keys.KeyDowns();
    if (!keys.empty() && keys.back() == kDown) keys.pop_back();
    return keys;
  }

  // Turns at (x, y) until one gives a key. A turn the hook only reaches late,
  // on a busy machine, may land within the interval of the step before and be
  // dropped, as it should: the next turn, well after it, steps.
  bool TurnUntilKey(int x, int y, int delta) {
    const size_t before = m_keys.Count();
    for (int turn = 0; turn < 10; ++turn) {
      WheelAt(x, y, delta);
      if (m_keys.WaitForCount(before + 1, 1000)) return true;
    }
    return false;
  }

  KeyWatcher m_keys;
};

TEST_F(CornerTest, DefaultCornersStepTheVolumeAtTheBottom) {
  // No config.ini: top corners brightness, bottom corners volume, Interval 100.
  auto brimlet = Start();
  WheelAt(0, 1079, 120);  // the first volume event only starts the clock
  ::Sleep(250);
  EXPECT_EQ(m_keys.Count(), 0U);
  ASSERT_TRUE(TurnUntilKey(0, 1079, 120));
  ASSERT_TRUE(TurnUntilKey(1919, 1079, -120));
  // Brightness corners send no key (and this machine has no built-in display).
  WheelAt(0, 0, 120);
  WheelAt(1919, 0, 120);
  ::Sleep(400);
  EXPECT_EQ(m_keys.KeyDowns(), (std::vector<DWORD>{kUp, kDown}));
  // Each step is a press followed by its release: no key is left held down.
  ASSERT_TRUE(WaitUntil([&] { return m_keys.Keys().size() == 4; }, kKeyWait));
  const std::vector<SeenKey> keys = m_keys.Keys();
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_TRUE(keys[i].injected);
    EXPECT_EQ(keys[i].keyUp, i % 2 == 1) << i;
    EXPECT_EQ(keys[i].virtualKey, i < 2 ? kUp : kDown) << i;
    // As a real keyboard sends them (E0 30, E0 2E): a remote session types no letters.
    EXPECT_EQ(keys[i].scanCode, i < 2 ? 0x30U : 0x2EU) << i;
    EXPECT_TRUE(keys[i].extended) << i;
  }
  EXPECT_EQ(::GetAsyncKeyState(VK_VOLUME_UP) & 0x8000, 0) << "the system believes the key is still held";
}

TEST_F(CornerTest, ZoneLimitsAreInclusiveToThePixel) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  // 1920 x 1080: left zone x <= 150, right zone x >= 1770, top band y <= 61, bottom band y >= 1019.
  const std::vector<POINT> inside = {{0, 0},    {150, 61},   {150, 0},     {0, 61},      {1770, 61},
                                     {1919, 0}, {150, 1019}, {0, 1079},    {1770, 1019}, {1919, 1079}};
  for (const POINT& point : inside) {
    EXPECT_EQ(KeysFrom({point}), std::vector<DWORD>{kUp}) << point.x << "," << point.y;
  }
  const std::vector<POINT> outside = {{151, 61},   {150, 62},   {1769, 61},   {1770, 62}, {151, 1019},
                                      {150, 1018}, {1769, 1019}, {1770, 1018}, {960, 540}, {960, 0},
                                      {960, 1079}, {0, 540},    {1919, 540}};
  for (const POINT& point : outside) {
    EXPECT_EQ(KeysFrom({point}), std::vector<DWORD>{}) << point.x << "," << point.y;
  }
}

TEST_F(CornerTest, EachNotchIsOneStepInItsDirectionAndFractionsAddUp) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  EXPECT_EQ(KeysFrom({{0, 0}}, 120), std::vector<DWORD>{kUp});
  EXPECT_EQ(KeysFrom({{0, 0}}, 240), std::vector<DWORD>{kUp});
  EXPECT_TRUE(KeysFrom({{0, 0}}, 0).empty()) << "a delta of 0 makes nothing";
  // A smooth-scrolling wheel or a touchpad: four messages of 30, eight of 15.
  EXPECT_EQ(KeysFrom({{0, 0}, {0, 0}, {0, 0}, {0, 0}}, 30), std::vector<DWORD>{kUp});
  EXPECT_EQ(KeysFrom({{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 15), std::vector<DWORD>{kUp});
  EXPECT_TRUE(KeysFrom({{0, 0}, {0, 0}, {0, 0}}, 30).empty()) << "three quarters of a notch";
  // Down turns end in a down key, like the sentinel: count them.
  m_keys.Clear();
  WheelAt(0, 0, -120);
  Sentinel();
  EXPECT_EQ(m_keys.KeyDowns(), (std::vector<DWORD>{kDown, kDown}));
}

// After the notices that make Brimlet install its hook again (resume from
// sleep, an unlock, a console connect, a display change), every turn still
// gives exactly one step: never none, never two from two hooks.
TEST_F(CornerTest, HookReinstalledAfterResumeUnlockAndDisplayChangeStepsOncePerTurn) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  HWND shell = brimlet->ShellWatchWindow();
  ASSERT_NE(shell, nullptr);
  const struct {
    UINT message;
    WPARAM wParam;
  } notices[] = {{WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC}, {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND},
                 {WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK},    {WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK},
                 {WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT}, {WM_DISPLAYCHANGE, 32}};
  for (const auto& notice : notices) {
    DWORD_PTR result = 0;
    ASSERT_TRUE(::SendMessageTimeoutW(shell, notice.message, notice.wParam, 0, SMTO_BLOCK, 10000, &result));
    EXPECT_EQ(KeysFrom({{0, 0}, {1919, 0}, {0, 1079}}), (std::vector<DWORD>{kUp, kUp, kUp}))
        << "after message 0x" << std::hex << notice.message << " " << notice.wParam;
  }
  EXPECT_TRUE(brimlet->IsRunning());
}

// Wine has neither a built-in panel nor a DDC/CI monitor: the brightness
// corners find nothing to step, hold nothing up and show no indicator.
TEST_F(CornerTest, BrightnessCornersWithoutADisplayDoNothingQuicklyAndShowNothing) {
  WriteConfig(L"[Brimlet]\nLBControll = 1\nRBControll = 1\nInterval = 0\n");  // top corners: brightness
  auto brimlet = Start();
  const ULONGLONG start = ::GetTickCount64();
  for (int i = 0; i < 10; ++i) {
    WheelAt(0, 0, 120);
    WheelAt(1919, 0, -120);
  }
  Sentinel();
  EXPECT_LT(::GetTickCount64() - start, 3000U) << "the brightness turns held the hook up";
  EXPECT_EQ(m_keys.KeyDowns(), std::vector<DWORD>{kDown}) << "only the sentinel's key";
  EXPECT_EQ(FindProcessWindow(brimlet->pid(), L"BRIMLET_BRIGHTNESS_INDICATOR"), nullptr);
  EXPECT_TRUE(brimlet->IsRunning());
}

TEST_F(CornerTest, HorizontalWheelNeverActs) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  EXPECT_EQ(KeysFrom({{0, 0}, {1919, 0}, {0, 1079}}, 120, true), std::vector<DWORD>{});
}

TEST_F(CornerTest, CodesZeroAndThreeDoNothing) {
  WriteConfig(L"[Brimlet]\nLTControll = 0\nRTControll = 3\nLBControll = 1\nRBControll = 1\nInterval = 0\n");
  auto brimlet = Start();
  EXPECT_EQ(KeysFrom({{0, 0}, {150, 61}, {1919, 0}, {1770, 61}}), std::vector<DWORD>{});
  EXPECT_EQ(KeysFrom({{0, 1079}}), std::vector<DWORD>{kUp});
}

TEST_F(CornerTest, IntervalDropsEarlyEventsAndRunsFromTheLastStep) {
  WriteConfig(L"[Brimlet]\nLBControll = 1\nInterval = 400\n");
  auto brimlet = Start();
  WheelAt(0, 1079, 120);  // first event: starts the clock, dropped
  ::Sleep(600);
  ASSERT_EQ(m_keys.Count(), 0U);
  ASSERT_TRUE(TurnUntilKey(0, 1079, 120));  // 400 ms and more later: one step
  WheelAt(0, 1079, 120);  // right after that step: dropped, not saved up
  ::Sleep(800);
  EXPECT_EQ(m_keys.Count(), 1U);
  ASSERT_TRUE(TurnUntilKey(0, 1079, -120));  // long after the step: the next one
  EXPECT_EQ(m_keys.KeyDowns(), (std::vector<DWORD>{kUp, kDown}));
}

TEST_F(CornerTest, ZeroIntervalPassesEveryEventTheFirstIncluded) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  for (int i = 0; i < 25; ++i) WheelAt(0, 0, 120);
  ASSERT_TRUE(m_keys.WaitForCount(25, kKeyWait));
  ::Sleep(200);
  EXPECT_EQ(m_keys.Count(), 25U);
}

TEST_F(CornerTest, SoundDoesNotHoldTheStepsUp) {
  WriteConfig(std::wstring(kAllVolumeNoInterval) + L"Sound = true\n");
  auto brimlet = Start();
  const ULONGLONG start = ::GetTickCount64();
  for (int i = 0; i < 25; ++i) WheelAt(1919, 1079, 120);
  ASSERT_TRUE(m_keys.WaitForCount(25, kKeyWait));
  EXPECT_LT(::GetTickCount64() - start, 4000U) << "the sound is played asynchronously";
  EXPECT_TRUE(brimlet->IsRunning());
}

}  // namespace

namespace {

// Makes Wine prefer a winmm.dll found on the search path to its own for
// Brimlet.exe, as Windows does for a library that is no KnownDLL.
class NativeSoundLibraryFirst {
 public:
  NativeSoundLibraryFirst() {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) ==
        ERROR_SUCCESS) {
      const wchar_t order[] = L"native,builtin";
      ::RegSetValueExW(key, L"winmm", 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof(order));
      ::RegCloseKey(key);
    }
  }
  ~NativeSoundLibraryFirst() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Brimlet.exe");
  }
  NativeSoundLibraryFirst(const NativeSoundLibraryFirst&) = delete;
  NativeSoundLibraryFirst& operator=(const NativeSoundLibraryFirst&) = delete;

 private:
  static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\Brimlet.exe\\DllOverrides";
};

TEST_F(CornerTest, SoundLibraryPlantedBesideTheExecutableIsNeverLoaded) {
  WriteConfig(std::wstring(kAllVolumeNoInterval) + L"Sound = true\n");
  ASSERT_TRUE(::CopyFileW((TestProgramFolder() + L"\\planted_winmm.dll").c_str(), (m_folder + L"\\winmm.dll").c_str(),
                          FALSE));
  const NativeSoundLibraryFirst nativeFirst;
  auto brimlet = Start();
  for (int i = 0; i < 3; ++i) WheelAt(1919, 1079, 120);
  ASSERT_TRUE(m_keys.WaitForCount(3, kKeyWait)) << "the steps go on with the system's sound library";
  EXPECT_FALSE(FileExists(m_folder + L"\\planted-library-loaded")) << "the planted winmm.dll was loaded";
}

}  // namespace
