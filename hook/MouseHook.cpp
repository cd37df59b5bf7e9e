#include "hook/MouseHook.h"

MouseHook* MouseHook::s_running = nullptr;

namespace {

// Posted to the hook's thread when a new snapshot waits, or a reinstall was
// asked for; they carry nothing, so another program that posts them only makes
// the thread look.
constexpr UINT kTakeSnapshotMessage = WM_APP + 1;
constexpr UINT kReinstallMessage = WM_APP + 2;

}  // namespace

static_assert(kVerticalWheelMessage == WM_MOUSEWHEEL);

MouseHook::MouseHook(const CornerSnapshot& snapshot, const Devices& devices, BrightnessWorker& brightness,
                     AudioWorker& audio)
    : m_devices(devices),
      m_brightness(brightness),
      m_audio(audio),
      m_sound(devices.sound),
      m_wheel(snapshot),
      m_started(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      m_reinstalled(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

bool MouseHook::Start(DWORD& error) {
  ::ResetEvent(m_started.get());
  if (!m_started || !m_thread.Start<&MouseHook::Run>(*this)) {
    error = ::GetLastError();
    return false;
  }
  const HANDLE waits[] = {m_started.get(), m_thread.handle()};
  ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
  error = m_installError;
  if (error == 0) return true;
  Stop();
  return false;
}

bool MouseHook::Reinstall(DWORD& error) {
  if (!m_thread.Started() || m_thread.Ended()) return Start(error);
  m_reinstallAsked = true;
  ::PostThreadMessageW(m_thread.id(), kReinstallMessage, 0, 0);
  // The hook's thread does nothing slow: this wait is a few milliseconds.
  const HANDLE waits[] = {m_reinstalled.get(), m_thread.handle()};
  ::WaitForMultipleObjects(2, waits, FALSE, 5000);
  error = m_installError;
  return IsRunning();
}

HHOOK MouseHook::Install() {
  HHOOK hook = m_devices.hooks.InstallMouseHook(&MouseHook::Procedure);
  m_installError = hook ? 0 : (::GetLastError() != 0 ? ::GetLastError() : ERROR_HOOK_NOT_INSTALLED);
  m_installed = hook;
  return hook;
}

void MouseHook::Publish(const CornerSnapshot& snapshot) {
  {
    const SrwHold hold(m_publishLock);
    m_published = snapshot;
  }
  if (m_thread.Started() && !m_thread.Ended()) {
    ::PostThreadMessageW(m_thread.id(), kTakeSnapshotMessage, 0, 0);
  } else {
    TakeSnapshot();  // not running: nobody else reads the wheel, and no hook is installed here
  }
}

bool MouseHook::TakeSnapshot() {
  m_owner.Check();
  std::optional<CornerSnapshot> published;
  {
    const SrwHold hold(m_publishLock);
    published.swap(m_published);
  }
  if (published) m_wheel.Take(*published);
  return published.has_value();
}

void MouseHook::TakePublished() {
  TakeSnapshot();
  FollowTheKeyboard(false);
}

void MouseHook::FollowTheKeyboard(bool again) {
  m_owner.Check();
  if (!m_wheel.MasksModifiers()) {
    m_keyboard.reset();
  } else if (!m_keyboard || again) {
    UniqueHook fresh(m_devices.hooks.InstallKeyboardHook(&MouseHook::KeyboardProcedure));
    if (fresh) m_keyboard = std::move(fresh);
  }
  m_keyboardIn = static_cast<bool>(m_keyboard);
}

void MouseHook::Run() {
  MSG msg;
  ::PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the queue exists before anyone posts
  // The callback sits on the path of every mouse event of the desktop and does
  // a few compares: under load it must still answer within the system's
  // time-out, after which the event goes on without it.
  ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  m_owner.Take();
  s_running = this;
  UniqueHook hook(Install());
  ::SetEvent(m_started.get());
  if (hook) TakePublished();
  // A stop asked for before the queue existed has no WM_QUIT to show for it.
  while (hook && !m_thread.Stopping()) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got < 0) break;
    if (got == 0) continue;  // a quit request the program did not make: the loop condition decides
    if (msg.hwnd == nullptr && msg.message == kTakeSnapshotMessage) {
      TakePublished();
    } else if (msg.hwnd == nullptr && msg.message == kReinstallMessage) {
      if (!m_reinstallAsked.exchange(false)) continue;
      // The new hook is in before the old one goes, so no event passes between
      // them; a new one that failed leaves the old one, which may still work.
      UniqueHook fresh(Install());
      if (fresh) hook = std::move(fresh);
      FollowTheKeyboard(true);
      ::SetEvent(m_reinstalled.get());
    } else {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  m_keyboard.reset();
  m_keyboardIn = false;
  m_installed = nullptr;
  s_running = nullptr;
  m_owner.Release();
}

LRESULT CALLBACK MouseHook::Procedure(int code, WPARAM wParam, LPARAM lParam) {
  MouseHook* hook = s_running;
  // While a reinstall has both hooks in, an event comes here a second time
  // from CallNextHookEx: it acts once. A kept event goes to no other hook and no window.
  if (code >= 0 && hook != nullptr && !hook->m_passingOn && !hook->Handle(wParam, lParam)) return 1;
  if (hook != nullptr) hook->m_passingOn = true;
  const LRESULT result = ::CallNextHookEx(nullptr, code, wParam, lParam);
  if (hook != nullptr) hook->m_passingOn = false;
  return result;
}

LRESULT CALLBACK MouseHook::KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam) {
  MouseHook* hook = s_running;
  if (code == HC_ACTION && hook != nullptr) hook->m_keyEvents.fetch_add(1, std::memory_order_relaxed);
  if (code == HC_ACTION && hook != nullptr && (wParam == WM_KEYUP || wParam == WM_SYSKEYUP)) {
    hook->m_wheel.KeyReleased(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool MouseHook::Handle(WPARAM message, LPARAM lParam) {
  if (lParam == 0) {
    m_reports.PutIfEmpty({HookError::MissingEventRecord, 0});
    return true;
  }
  const auto& record = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
  m_events.fetch_add(1, std::memory_order_relaxed);
  const MouseEvent event{static_cast<uint32_t>(message), record.pt.x, record.pt.y, record.mouseData, record.time};
  const WheelStep step = m_wheel.OnMouseEvent(event, m_devices.desktop, m_devices.clock);
  DWORD error = 0;
  if (step.maskModifier && !m_devices.keys.SendModifierMask(error)) {
    m_reports.PutIfEmpty({HookError::SendInputFailed, error});
  }
  switch (step.kind) {
    case WheelStep::Kind::None:
      break;
    case WheelStep::Kind::Brightness:
      m_brightness.Request(step.brightness);
      break;
    case WheelStep::Kind::Volume:
      if (!m_devices.keys.SendStep(step.up, step.presses, error)) {
        m_reports.PutIfEmpty({HookError::SendInputFailed, error});
      }
      // The step counts even when the send failed, and the interval runs from its end.
      m_wheel.VolumeStepEnded(m_devices.clock.NowMs());
      if (step.sound) m_sound.Request();
      break;
    case WheelStep::Kind::ProgramVolume:
    case WheelStep::Kind::ProgramMute: {
      // The window is noted now, where the turn was; the worker finds its program.
      const auto window = static_cast<uint32_t>(m_devices.desktop.WindowUnder(event.x, event.y));
      const bool mute = step.kind == WheelStep::Kind::ProgramMute;
      m_audio.Request({window, mute ? 0 : (step.up ? 1 : -1), static_cast<uint8_t>(mute ? 1 : 0),
                               step.stepPercent});
      if (mute) m_wheel.KeptPressAnswered(record.time, static_cast<uint32_t>(m_devices.clock.NowMs()));
      break;
    }
    case WheelStep::Kind::Mute:
      if (!m_devices.keys.SendMute(error)) m_reports.PutIfEmpty({HookError::SendInputFailed, error});
      // Last: the time the press is answered at.
      m_wheel.KeptPressAnswered(record.time, static_cast<uint32_t>(m_devices.clock.NowMs()));
      break;
  }
  return !step.swallow;
}
