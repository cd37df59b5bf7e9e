// Runs inside a Wine virtual desktop of 1366 x 768 (see run-in-virtual-desktop.sh),
// where the display mode can be changed: the corners follow the new edges.
#include "tests/e2e/BrimletTest.h"
#include "tests/e2e/KeyWatcher.h"
#include "tests/support/Input.h"

namespace {

// Sets the primary display's mode for the test's lifetime, and puts the old one back.
class DisplayMode {
 public:
  DisplayMode() : m_width(::GetSystemMetrics(SM_CXSCREEN)), m_height(::GetSystemMetrics(SM_CYSCREEN)) {}
  ~DisplayMode() { Set(m_width, m_height); }
  DisplayMode(const DisplayMode&) = delete;
  DisplayMode& operator=(const DisplayMode&) = delete;

  static bool Set(int width, int height) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    if (::ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) != DISP_CHANGE_SUCCESSFUL) return false;
    return WaitUntil([&] { return ::GetSystemMetrics(SM_CXSCREEN) == width; }, 5000);
  }

 private:
  int m_width;
  int m_height;
};

class DisplayTest : public BrimletTest {
 protected:
  // Whether a turn up at `point` gives a step. A turn down in the bottom-left
  // corner, which every mode has, follows; once its key is seen, the first turn
  // has been handled too.
  bool Steps(POINT point) {
    m_keys.Clear();
    WheelAt(point.x, point.y, 120);
    WheelAt(0, ::GetSystemMetrics(SM_CYSCREEN) - 1, -120);
    EXPECT_TRUE(m_keys.WaitForCount(1, 5000)) << "the sentinel turn gave no key";
    const std::vector<DWORD> keys = m_keys.KeyDowns();
    return !keys.empty() && keys.front() == VK_VOLUME_UP;
  }
  // Waits until Brimlet has followed the new mode: a turn at `point`, a corner
  // only in the new mode, steps.
  bool Follows(POINT point) {
    return WaitUntil([&] { return Steps(point); }, 15000);
  }

  KeyWatcher m_keys;
};

TEST_F(DisplayTest, CornersFollowAChangeOfResolution) {
  ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1366) << "runs in a 1366 x 768 virtual desktop";
  WriteConfig(kAllVolumeNoInterval);
  const DisplayMode restore;
  auto brimlet = Start();
  // 1366 x 768: the right zone starts at x = 1366 - 106 = 1260.
  EXPECT_TRUE(Steps({1365, 767}));
  EXPECT_TRUE(Steps({1260, 0}));
  EXPECT_FALSE(Steps({1259, 0}));

  ASSERT_TRUE(DisplayMode::Set(1024, 768));
  // 1024 x 768: the right zone starts at x = 1024 - 80 = 944.
  ASSERT_TRUE(Follows({1023, 767})) << "the corners stayed at the old edges";
  EXPECT_TRUE(Steps({944, 0}));
  EXPECT_FALSE(Steps({943, 0}));

  ASSERT_TRUE(DisplayMode::Set(1366, 768));
  ASSERT_TRUE(Follows({1260, 0}));
  EXPECT_TRUE(Steps({1365, 767}));
  EXPECT_FALSE(Steps({1259, 0}));
  EXPECT_TRUE(brimlet->IsRunning());
}

}  // namespace
