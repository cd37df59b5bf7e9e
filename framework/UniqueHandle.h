#pragma once
// The RAII wrappers of everything the program holds from the system: handles,
// the mouse hook, the COM apartment, COM pointers, the shell's item id
// lists and GDI selections. Each is released exactly once, when its owner goes
// out of scope.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <utility>

// A handle released by `Close`; null is no handle, and so is
// INVALID_HANDLE_VALUE where the system reports failure that way (CreateFileW,
// FindFirstFileW).
template <class Handle, auto Close, bool kInvalidValueToo = false>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : m_handle(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return m_handle; }
  explicit operator bool() const { return IsValid(m_handle); }

  Handle release() { return std::exchange(m_handle, Handle{}); }
  void reset(Handle handle = Handle{}) {
    Handle old = std::exchange(m_handle, handle);
    if (IsValid(old)) Close(old);
  }

 private:
  static bool IsValid(Handle handle) {
    if constexpr (kInvalidValueToo) {
      if (handle == INVALID_HANDLE_VALUE) return false;
    }
    return handle != Handle{};
  }
  Handle m_handle{};
};

using UniqueKernelHandle = UniqueHandle<HANDLE, &::CloseHandle, true>;
using UniqueFindHandle = UniqueHandle<HANDLE, &::FindClose, true>;
using UniqueMenu = UniqueHandle<HMENU, &::DestroyMenu>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, &::DeleteObject>;
using UniqueModule = UniqueHandle<HMODULE, &::FreeLibrary>;
using UniqueLocalMemory = UniqueHandle<HLOCAL, &::LocalFree>;
using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueHook = UniqueHandle<HHOOK, &::UnhookWindowsHookEx>;
using UniqueItemIdList = UniqueHandle<PIDLIST_ABSOLUTE, &::CoTaskMemFree>;

// COM for the thread's lifetime: apartment-threaded by default (the shell link
// object needs it), multithreaded for a worker that pumps no messages.
class ComApartment {
 public:
  explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED)
      : m_initialised(SUCCEEDED(::CoInitializeEx(nullptr, model))) {}
  ~ComApartment() {
    if (m_initialised) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool m_initialised;
};

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (m_pointer != nullptr) m_pointer->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    std::swap(m_pointer, other.m_pointer);
    return *this;
  }
  Interface* operator->() const { return m_pointer; }
  Interface* get() const { return m_pointer; }
  void** out() { return reinterpret_cast<void**>(&m_pointer); }
  Interface** put() { return &m_pointer; }
  explicit operator bool() const { return m_pointer != nullptr; }

 private:
  Interface* m_pointer = nullptr;
};

// An object selected into a device context until the owner ends; the previous
// one is put back first, so the object can be deleted afterwards.
class GdiSelection {
 public:
  GdiSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
  ~GdiSelection() {
    if (m_previous != nullptr) ::SelectObject(m_dc, m_previous);
  }
  GdiSelection(const GdiSelection&) = delete;
  GdiSelection& operator=(const GdiSelection&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// An exclusive hold of a slim reader/writer lock, for a few instructions only.
class SrwHold {
 public:
  explicit SrwHold(SRWLOCK& lock) : m_lock(lock) { ::AcquireSRWLockExclusive(&m_lock); }
  ~SrwHold() { ::ReleaseSRWLockExclusive(&m_lock); }
  SrwHold(const SrwHold&) = delete;
  SrwHold& operator=(const SrwHold&) = delete;

 private:
  SRWLOCK& m_lock;
};
