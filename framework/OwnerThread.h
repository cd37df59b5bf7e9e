#pragma once
// The one thread an object's state belongs to, checked where it is used in
// builds that check (every build but the release): a call from another thread
// stops the program there and then, instead of a race that shows once a month.
#include <windows.h>

class OwnerThread {
 public:
  // The calling thread owns it from now on; Release: any thread may, until one takes it.
  void Take() { m_id = ::GetCurrentThreadId(); }
  void Release() { m_id = 0; }
#if defined(BRIMLET_CHECK_THREADS)
  void Check() const {
    if (m_id != 0 && m_id != ::GetCurrentThreadId()) __builtin_trap();
  }
  // The first thread to use it owns it.
  void CheckOrTake() {
    if (m_id == 0) Take();
    Check();
  }
#else
  void Check() const {}
  void CheckOrTake() {}
#endif

 private:
  DWORD m_id = 0;
};
