#include "framework/DialogKeys.h"

#include <utility>

DialogKeys* DialogKeys::s_thread = nullptr;

DialogKeys::DialogKeys(Router route, void* owner)
    : m_route(route),
      m_owner(owner),
      m_hook(::SetWindowsHookExW(WH_MSGFILTER, &DialogKeys::Filter, nullptr, ::GetCurrentThreadId())) {
  s_thread = this;
}

DialogKeys::~DialogKeys() {
  m_hook.reset();
  if (s_thread == this) s_thread = nullptr;
}

bool DialogKeys::Take(MSG& msg) {
  // IsDialogMessage calls the filter itself: the message is routed once.
  const bool routing = std::exchange(m_routing, true);
  const bool taken = m_route(m_owner, msg);
  m_routing = routing;
  return taken;
}

LRESULT CALLBACK DialogKeys::Filter(int code, WPARAM wParam, LPARAM lParam) {
  DialogKeys* self = s_thread;
  const bool boxLoop = code == MSGF_DIALOGBOX || code == MSGF_MESSAGEBOX;
  if (self != nullptr && boxLoop && !self->m_routing && self->Take(*reinterpret_cast<MSG*>(lParam))) return TRUE;
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
