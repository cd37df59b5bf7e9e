#pragma once
// The RAII wrappers of everything the program holds from the system: handles,
// the mouse hook, the COM apartment, COM pointers, the shell's item id
// lists and GDI selections. Each is released exactly once, when its owner goes
// out of scope.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <utility>

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

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
  explicit operator bool() const { return Traits::IsValid(m_handle); }

  Handle release() { return std::exchange(m_handle, Traits::Empty()); }
  void reset(Handle handle = Traits::Empty()) {
    Handle old = std::exchange(m_handle, handle);
    if (Traits::IsValid(old)) Traits::Close(old);
  }

 private:
  Handle m_handle = Traits::Empty();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Empty() { return nullptr; }
  // CreateFileW reports failure as INVALID_HANDLE_VALUE, most others as null.
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

struct MenuTraits {
  using Handle = HMENU;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::FreeLibrary(h); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

struct LocalMemoryTraits {
  using Handle = HLOCAL;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::LocalFree(h); }
};
using UniqueLocalMemory = UniqueHandle<LocalMemoryTraits>;

struct IconTraits {
  using Handle = HICON;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

struct FindTraits {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::FindClose(h); }
};
using UniqueFindHandle = UniqueHandle<FindTraits>;

struct HookTraits {
  using Handle = HHOOK;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueHandle<HookTraits>;

struct ItemIdListTraits {
  using Handle = PIDLIST_ABSOLUTE;
  static Handle Empty() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::CoTaskMemFree(h); }
};
using UniqueItemIdList = UniqueHandle<ItemIdListTraits>;

// COM for the thread's lifetime, apartment-threaded (the shell link object needs it).
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

template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (m_pointer != nullptr) m_pointer->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  Interface* operator->() const { return m_pointer; }
  void** out() { return reinterpret_cast<void**>(&m_pointer); }
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
