#pragma once
// A thread of the program's own: started on a member function of its owner,
// woken, asked to stop and joined. Wakes that come while the body is busy fold
// into one. A body that pumps messages is also sent WM_QUIT when asked to
// stop, and tells it from a quit request another program posted by Stopping().
#include <windows.h>

#include <atomic>

#include "framework/UniqueHandle.h"

class WorkerThread {
 public:
  WorkerThread() = default;
  ~WorkerThread() { Stop(); }
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Runs (owner.*Body)() on a new thread; false if none could be made.
  template <auto Body, class Owner>
  bool Start(Owner& owner) {
    return Start([](void* self) { (static_cast<Owner*>(self)->*Body)(); }, &owner);
  }
  // The body's next Wait returns.
  void Wake() const { ::SetEvent(m_wake.get()); }
  // Asks the body to end and waits until it has.
  void Stop();
  // Waits until the body has returned by itself.
  void Join();

  bool Started() const { return static_cast<bool>(m_thread); }
  // Started, and the body has returned.
  bool Ended() const { return m_thread && ::WaitForSingleObject(m_thread.get(), 0) == WAIT_OBJECT_0; }
  DWORD id() const { return m_id; }
  HANDLE handle() const { return m_thread.get(); }

  // For the body: waits for a wake; false once it is asked to stop.
  bool Wait() const;
  bool Stopping() const { return m_stopping.load(); }

 private:
  bool Start(void (*run)(void*), void* owner);
  static DWORD WINAPI Main(void* self);

  void (*m_run)(void*) = nullptr;
  void* m_owner = nullptr;
  std::atomic<bool> m_stopping{false};
  UniqueKernelHandle m_wake;  // auto-reset
  UniqueKernelHandle m_thread;
  DWORD m_id = 0;
};
