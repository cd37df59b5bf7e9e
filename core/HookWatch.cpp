#include "core/HookWatch.h"

bool MouseInputMissed(const HookCheck& previous, const HookCheck& now, uint32_t lastInputTick) {
  const bool inputSince = static_cast<int32_t>(lastInputTick - previous.tick) > 0;
  const bool pointerMoved = now.cursorX != previous.cursorX || now.cursorY != previous.cursorY;
  return inputSince && pointerMoved && now.hookEvents == previous.hookEvents;
}

bool KeyInputMissed(const HookCheck& previous, const HookCheck& now, uint32_t lastInputTick) {
  const bool inputSince = static_cast<int32_t>(lastInputTick - previous.tick) > 0;
  const bool pointerStill = now.cursorX == previous.cursorX && now.cursorY == previous.cursorY;
  return previous.keyboardHooked && now.keyboardHooked && inputSince && pointerStill &&
         now.hookEvents == previous.hookEvents && now.keyEvents == previous.keyEvents;
}

uint32_t HookRetryDelayMs(uint32_t failures) {
  constexpr uint32_t kFirst = 2000;
  constexpr uint32_t kLongest = 60000;
  if (failures >= 5) return kLongest;
  const uint32_t delay = kFirst << failures;
  return delay < kLongest ? delay : kLongest;
}

uint32_t NextHookCheckPeriodMs(uint32_t period, bool hookSawEvents, bool missedAgainAfterReinstall) {
  if (hookSawEvents) return kHookCheckPeriodMs;
  if (!missedAgainAfterReinstall) return period;
  return period >= kLongestHookCheckPeriodMs / 2 ? kLongestHookCheckPeriodMs : period * 2;
}
