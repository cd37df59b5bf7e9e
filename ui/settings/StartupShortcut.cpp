#include "ui/settings/StartupShortcut.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "app/BrimletApp.h"

namespace {

constexpr wchar_t kShortcutName[] = L"\\Brimlet.lnk";
constexpr wchar_t kShortcutDescription[] = L"Brimlet";

std::wstring StartupFolder() {
  wchar_t folder[MAX_PATH] = {};
  LPITEMIDLIST items = nullptr;
  if (::SHGetSpecialFolderLocation(nullptr, CSIDL_STARTUP, &items) == S_OK) {
    ::SHGetPathFromIDListW(items, folder);
    ::CoTaskMemFree(items);
  }
  return folder;
}

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

void SaveShortcut() {
  const std::wstring target = theApp.m_exePath;
  ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) ||
      !link) {
    return;
  }
  link->SetPath(target.c_str());
  link->SetDescription(kShortcutDescription);
  ComPtr<IPersistFile> file;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) && file) {
    file->Save(g_shortcutPath.c_str(), TRUE);
  }
}

}  // namespace

std::wstring ShortcutPathIn(const std::wstring& startupFolder) {
  // Without the folder the name alone would point at the root of the current drive.
  return startupFolder.empty() ? std::wstring() : startupFolder + kShortcutName;
}

const std::wstring g_shortcutPath = ShortcutPathIn(StartupFolder());

void UpdateStartupShortcut(bool autoRun) {
  if (g_shortcutPath.empty()) return;
  if (autoRun) {
    SaveShortcut();
  } else {
    ::DeleteFileW(g_shortcutPath.c_str());
  }
}
