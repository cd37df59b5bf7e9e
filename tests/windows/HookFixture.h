#pragma once
// The mouse hook with its worker and reports, built as the program builds them,
// over a fake system; events are handed to it directly unless a test starts it.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/CornerZones.h"
#include "hook/MouseHook.h"
#include "tests/windows/FakeDevices.h"

inline Settings AllVolume() {
  Settings settings;
  settings.topLeft = settings.bottomLeft = settings.topRight = settings.bottomRight = 1;
  settings.pauseInFullScreen = false;
  settings.volumeInterval = 0;
  return settings;
}

class MouseHookTest : public ::testing::Test {
 protected:
  MouseHookTest()
      : m_worker(m_fake, m_fake, m_fake),
        m_audio(m_fake, m_fake, m_fake),
        m_hook({ComputeCornerZones(1920, 1080), AllVolume()}, m_fake.devices(), m_worker, m_audio) {}

  void Use(const Settings& settings, int width = 1920, int height = 1080) {
    m_hook.Publish({ComputeCornerZones(width, height), settings});
  }
  // True when the event goes on to the other programs.
  bool Turn(LONG x, LONG y, int delta = 120, WPARAM message = WM_MOUSEWHEEL) {
    MSLLHOOKSTRUCT event{};
    event.pt = {x, y};
    event.mouseData = static_cast<DWORD>(delta) << 16;
    event.time = static_cast<DWORD>(m_fake.now);
    return m_hook.Handle(message, reinterpret_cast<LPARAM>(&event));
  }
  std::vector<WORD> KeyDowns() {
    std::vector<WORD> keys;
    for (const bool up : m_fake.keys) keys.push_back(up ? VK_VOLUME_UP : VK_VOLUME_DOWN);
    return keys;
  }
  std::vector<HookReport> Reports() {
    std::vector<HookReport> reports;
    for (HookReport report; m_hook.reports().Take(report);) reports.push_back(report);
    return reports;
  }

  FakeDevices m_fake;
  BrightnessWorker m_worker;
  AudioWorker m_audio;
  MouseHook m_hook;
};
