#pragma once
#include <objbase.h>

// COM for the thread's lifetime, apartment-threaded: the shell link object used
// for the start-up shortcut needs it on the tray thread.
class ComApartment {
 public:
  ComApartment() : m_initialised(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (m_initialised) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool m_initialised;
};
