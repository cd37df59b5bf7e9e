#include <cstdio>

#include "tests/e2e/BrimletTest.h"
#include "tests/support/Input.h"
#include "tests/e2e/KeyWatcher.h"

namespace {

using SoakTest = BrimletTest;

// Sends `events` wheel turns, every second one in a corner, in batches whose
// keys are awaited before the next batch: nothing may be lost on the way.
void TurnMany(const KeyWatcher& keys, int events) {
  const POINT corners[] = {{0, 0}, {1919, 0}, {0, 1079}, {1919, 1079}};
  const POINT elsewhere[] = {{960, 540}, {151, 61}, {1769, 1019}, {700, 0}};
  constexpr int kBatch = 200;
  size_t expected = keys.Count();
  for (int sent = 0; sent < events; sent += kBatch) {
    for (int i = 0; i < kBatch; ++i) {
      const int n = sent + i;
      const POINT at = n % 2 == 0 ? corners[(n / 2) % 4] : elsewhere[(n / 2) % 4];
      WheelAt(at.x, at.y, (n / 2) % 3 == 0 ? -120 : 120);
    }
    expected += kBatch / 2;
    ASSERT_TRUE(keys.WaitForCount(expected, 20000)) << "after " << sent + kBatch << " events: " << keys.Count();
  }
}

TEST_F(SoakTest, TwentyThousandWheelTurnsLeaveTheHookAnsweringAndMemoryFlat) {
  WriteConfig(kAllVolumeNoInterval);
  auto brimlet = Start();
  KeyWatcher keys;

  ASSERT_NO_FATAL_FAILURE(TurnMany(keys, 400));  // first-use allocations settle here
  const SIZE_T before = brimlet->PrivateBytes();
  ASSERT_GT(before, 0U);

  const ULONGLONG start = ::GetTickCount64();
  ASSERT_NO_FATAL_FAILURE(TurnMany(keys, 20000));
  const ULONGLONG elapsed = ::GetTickCount64() - start;
  const SIZE_T after = brimlet->PrivateBytes();

  ::Sleep(300);
  EXPECT_EQ(keys.Count(), 200U + 10000U) << "exactly one key per corner turn";
  EXPECT_TRUE(brimlet->IsRunning());
  // The hook still answers.
  const size_t count = keys.Count();
  WheelAt(0, 1079, 120);
  EXPECT_TRUE(keys.WaitForCount(count + 1, 5000));

  const long long growth = static_cast<long long>(after) - static_cast<long long>(before);
  std::printf("soak: 20000 wheel turns in %llu ms; private memory %zu -> %zu bytes (%+lld)\n", elapsed, before,
              after, growth);
  EXPECT_LT(growth, 384 * 1024) << "memory grew by " << growth << " bytes";
}

}  // namespace
