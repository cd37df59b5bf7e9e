#include "app/SettingsLoader.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/UniqueHandle.h"
#include "tests/windows/TestFolder.h"

namespace {

struct RecordingOwner final : SettingsLoader::Owner {
  std::vector<Settings> taken;
  int firstStarts = 0;
  int unreadable = 0;
  void TakeSettings(const Settings& settings) override { taken.push_back(settings); }
  void FirstStart() override { ++firstStarts; }
  void SettingsUnreadable() override { ++unreadable; }
};

// Runs the thread's timers until `condition` holds, for up to 10 s.
template <class Condition>
bool PumpUntil(Condition condition) {
  for (const ULONGLONG end = ::GetTickCount64() + 10000; ::GetTickCount64() < end; ::Sleep(10)) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    if (condition()) return true;
  }
  return false;
}

// The first start of a copy writes its config.ini, so the notice shows once
// per copy; where the file cannot be written, it shows never.
TEST(SettingsLoader, TheFirstStartNoticeShowsOncePerCopy) {
  TestFolder folder;
  const SettingsStore store({L"", folder.File(L"config.ini"), L""});
  RecordingOwner first;
  SettingsLoader(store, first).Load();
  EXPECT_EQ(first.firstStarts, 1);
  EXPECT_TRUE(FileExists(folder.File(L"config.ini")));

  RecordingOwner again;
  SettingsLoader(store, again).Load();
  EXPECT_EQ(again.firstStarts, 0) << "the notice showed at the second start";
  EXPECT_EQ(again.taken.size(), 1U);

  const SettingsStore unwritable({L"", folder.File(L"no such folder\\config.ini"), L""});
  RecordingOwner nowhere;
  SettingsLoader(unwritable, nowhere).Load();
  EXPECT_EQ(nowhere.firstStarts, 0) << "it would show at every start";
  EXPECT_EQ(nowhere.taken.size(), 1U) << "the defaults act";
}

// A file held open without sharing at start: nothing acts while it is tried
// again, not the defaults either (a corner the user turned off stays off);
// after 3 s a notice says Brimlet waits; the file is read as soon as it can
// be, and at once when Settings is chosen. A re-read after a save that fails
// lets the saved values act and is retried the same way.
TEST(SettingsLoader, AFileThatCannotBeReadIsTriedAgainAndNothingActsMeanwhile) {
  TestFolder folder;
  const std::wstring config = folder.File(L"config.ini");
  ASSERT_TRUE(WriteFileBytes(config, "[Brimlet]\r\nLBControll = 0\r\n"));
  const SettingsStore store({L"", config, L""});
  RecordingOwner owner;
  SettingsLoader loader(store, owner);
  UniqueKernelHandle held(::CreateFileW(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  const ULONGLONG start = ::GetTickCount64();
  loader.Load();
  ASSERT_TRUE(PumpUntil([&] { return owner.unreadable == 1; }));
  EXPECT_GE(::GetTickCount64() - start, 2900U) << "told too soon";
  EXPECT_TRUE(owner.taken.empty()) << "the defaults act while the file is held";
  EXPECT_FALSE(loader.ReadNow()) << "Settings cannot open on what was never read";
  EXPECT_EQ(owner.firstStarts, 0);

  held.reset();
  ASSERT_TRUE(PumpUntil([&] { return owner.taken.size() == 1; })) << "not read again once it could be";
  EXPECT_EQ(owner.taken[0].bottomLeft, 0);

  Settings saved = owner.taken[0];
  saved.topLeft = 1;
  held.reset(::CreateFileW(config.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  loader.Reload(saved, true);
  ASSERT_EQ(owner.taken.size(), 2U) << "what was saved acts while the file is held";
  EXPECT_EQ(owner.taken[1].topLeft, 1);
  held.reset();
  ASSERT_TRUE(PumpUntil([&] { return owner.taken.size() == 3; })) << "the re-read is retried";
  EXPECT_EQ(owner.unreadable, 1) << "the values act: no notice of waiting";
  EXPECT_TRUE(loader.ReadNow());
}

}  // namespace
