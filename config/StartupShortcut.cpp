#include "config/StartupShortcut.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include "framework/UniqueHandle.h"

namespace {

constexpr wchar_t kShortcutName[] = L"\\Brimlet.lnk";
constexpr wchar_t kShortcutDescription[] = L"Brimlet";

void SaveShortcut(const std::wstring& shortcutPath, const std::wstring& exePath) {
  ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) ||
      !link) {
    return;
  }
  link->SetPath(exePath.c_str());
  link->SetDescription(kShortcutDescription);
  ComPtr<IPersistFile> file;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) && file) {
    file->Save(shortcutPath.c_str(), TRUE);
  }
}

}  // namespace

std::wstring StartupFolder() {
  wchar_t folder[MAX_PATH] = {};
  PIDLIST_ABSOLUTE items = nullptr;
  if (::SHGetSpecialFolderLocation(nullptr, CSIDL_STARTUP, &items) == S_OK) {
    const UniqueItemIdList owner(items);
    ::SHGetPathFromIDListW(items, folder);
  }
  return folder;
}

std::wstring ShortcutPathIn(const std::wstring& startupFolder) {
  // Without the folder the name alone would point at the root of the current drive.
  return startupFolder.empty() ? std::wstring() : startupFolder + kShortcutName;
}

void UpdateStartupShortcut(bool autoRun, const std::wstring& shortcutPath, const std::wstring& exePath) {
  if (shortcutPath.empty()) return;
  if (autoRun) {
    SaveShortcut(shortcutPath, exePath);
  } else {
    ::DeleteFileW(shortcutPath.c_str());
  }
}
