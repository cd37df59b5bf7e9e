#pragma once
// Sees the volume keys (up, down and mute) any process injects, through a
// low-level keyboard hook on a thread of its own.
#include <windows.h>

#include <mutex>
#include <thread>
#include <vector>

struct SeenKey {
  DWORD virtualKey;
  bool keyUp;
  bool injected;
  LONGLONG counter;
  DWORD scanCode;
  bool extended;  // QueryPerformanceCounter when the hook saw it
};

class KeyWatcher {
 public:
  KeyWatcher();
  ~KeyWatcher();
  KeyWatcher(const KeyWatcher&) = delete;
  KeyWatcher& operator=(const KeyWatcher&) = delete;

  // Volume key events seen so far, presses and releases.
  std::vector<SeenKey> Keys() const;
  std::vector<DWORD> KeyDowns() const;
  // Presses seen so far: one per volume step.
  size_t Count() const;
  // Waits until at least `count` presses have been seen.
  bool WaitForCount(size_t count, DWORD milliseconds) const;
  void Clear();

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void Run();

  mutable std::mutex m_mutex;
  std::vector<SeenKey> m_keys;
  HANDLE m_ready;
  DWORD m_threadId = 0;
  std::thread m_thread;
};
