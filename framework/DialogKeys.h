#pragma once
// The thread's modeless dialogs take their keys (Tab, Enter, Esc, the arrows,
// Alt with a letter) from the thread's own message loop, and also while a box
// runs a loop of the system's own on the thread (a message box, a dialog's
// box): a message-filter hook hands each message of such a loop to the same
// router first.
#include <windows.h>

#include "framework/UniqueHandle.h"

class DialogKeys {
 public:
  // `Route` is a member of `owner` that takes a message, true when one of the
  // dialogs did. For the calling thread, until the object goes.
  template <auto Route, class Owner>
  static DialogKeys For(Owner& owner) {
    return DialogKeys([](void* self, MSG& msg) { return (static_cast<Owner*>(self)->*Route)(msg); }, &owner);
  }
  ~DialogKeys();
  DialogKeys(DialogKeys&&) = delete;
  DialogKeys& operator=(DialogKeys&&) = delete;

  // From the thread's own message loop: true when a dialog took `msg`.
  bool Take(MSG& msg);

 private:
  using Router = bool (*)(void* owner, MSG& msg);
  DialogKeys(Router route, void* owner);
  static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);

  Router m_route;
  void* m_owner;
  bool m_routing = false;  // a message is on its way to the dialogs already
  UniqueHook m_hook;
  // The filter's one way back to its object: only one thread has dialogs.
  static DialogKeys* s_thread;
};
