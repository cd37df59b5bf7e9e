#include "app/TrayIcon.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int ImageWidth(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  ::GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// A notification area that takes the icon only from its `takesFrom`-th add on,
// as at logon before the shell is ready, and records every request.
struct RecordingArea final : NotificationArea {
  int adds = 0;
  int takesFrom = 1;
  std::vector<DWORD> requests;
  std::vector<NOTIFYICONDATAW> notices;
  std::vector<int> images;  // the width of each image the icon was given

  bool Notify(DWORD request, NOTIFYICONDATAW& record) override {
    requests.push_back(request);
    if ((request == NIM_ADD || request == NIM_MODIFY) && (record.uFlags & NIF_ICON) != 0) {
      images.push_back(ImageWidth(record.hIcon));
    }
    if (request == NIM_ADD) return ++adds >= takesFrom;
    if (request == NIM_MODIFY && (record.uFlags & NIF_INFO) != 0) notices.push_back(record);
    return true;
  }
};

// The first start's notice: shown once, as soon as the icon is there, in the
// quiet time's respect.
TEST(TrayIconNotice, ShownOnceTheIconIsThereAndOnlyOnce) {
  RecordingArea area;
  area.takesFrom = 2;
  TrayIcon icon(area);
  HWND window = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  icon.ShowNotice(L"Brimlet is running", L"Turn the mouse wheel in a screen corner.");
  icon.Add(window);
  EXPECT_TRUE(area.notices.empty()) << "no icon yet to show it";
  icon.AddAgain();  // the notification area is there now
  ASSERT_EQ(area.notices.size(), 1U);
  const NOTIFYICONDATAW& notice = area.notices[0];
  EXPECT_STREQ(notice.szInfoTitle, L"Brimlet is running");
  EXPECT_STREQ(notice.szInfo, L"Turn the mouse wheel in a screen corner.");
  EXPECT_EQ(notice.dwInfoFlags, DWORD{NIIF_INFO | NIIF_RESPECT_QUIET_TIME});
  EXPECT_EQ(notice.hWnd, window);
  icon.AddAgain();  // the shell restarted
  EXPECT_EQ(area.notices.size(), 1U) << "shown once";
  icon.Remove();
  ::DestroyWindow(window);
}

// After a display change and a new taskbar the icon is given the image drawn
// for the DPI in force (24 pixels at 144 DPI), not the one it was added with.
TEST(TrayIconImage, TakenAnewForTheDpiInForce) {
  RecordingArea area;
  TrayIcon icon(area);
  HWND window = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  icon.Add(window);
  icon.FollowDpi();
  icon.AddAgain();
  ASSERT_EQ(area.images.size(), 3U) << "added, then given its image after the display change and the new taskbar";
  const int small = ::GetSystemMetricsForDpi(SM_CXSMICON, ::GetDpiForSystem());
  for (const int width : area.images) EXPECT_EQ(width, small);
  icon.Remove();
  ::DestroyWindow(window);
}

// Every image of the program's icon loads at its own size, the PNG-compressed
// ones (24 pixels and more) too.
TEST(TrayIconImage, EveryImageOfTheIconLoads) {
  for (const int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
    const UniqueIcon icon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, 0)));
    ASSERT_TRUE(icon) << size;
    EXPECT_EQ(ImageWidth(icon.get()), size);
  }
}

}  // namespace
