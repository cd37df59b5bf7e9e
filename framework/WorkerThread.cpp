#include "framework/WorkerThread.h"

bool WorkerThread::Start(void (*run)(void*), void* owner) {
  Stop();
  if (!m_wake) m_wake.reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
  if (!m_wake) return false;
  m_run = run;
  m_owner = owner;
  m_stopping = false;
  m_thread.reset(::CreateThread(nullptr, 0, &WorkerThread::Main, this, 0, &m_id));
  return Started();
}

DWORD WINAPI WorkerThread::Main(void* self) {
  auto& thread = *static_cast<WorkerThread*>(self);
  thread.m_run(thread.m_owner);
  return 0;
}

bool WorkerThread::Wait() const {
  return ::WaitForSingleObject(m_wake.get(), INFINITE) == WAIT_OBJECT_0 && !Stopping();
}

void WorkerThread::Stop() {
  if (!m_thread) return;
  m_stopping = true;
  Wake();
  // A body that pumps messages sees this once its queue exists; before that it
  // sees Stopping(), which is set first.
  ::PostThreadMessageW(m_id, WM_QUIT, 0, 0);
  Join();
}

void WorkerThread::Join() {
  if (!m_thread) return;
  ::WaitForSingleObject(m_thread.get(), INFINITE);
  m_thread.reset();
  m_id = 0;
}
