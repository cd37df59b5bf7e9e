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

void RepairStartupShortcut(const std::wstring& shortcutPath, const std::wstring& exePath) {
  if (shortcutPath.empty() || ::GetFileAttributesW(shortcutPath.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) ||
      !link || FAILED(link->QueryInterface(IID_IPersistFile, file.out())) || !file ||
      FAILED(file->Load(shortcutPath.c_str(), STGM_READ))) {
    return;  // not a shell link: not ours to change
  }
  wchar_t target[MAX_PATH] = {};
  if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) || target[0] == L'\0') return;
  const DWORD error = ::GetFileAttributesW(target) == INVALID_FILE_ATTRIBUTES ? ::GetLastError() : ERROR_SUCCESS;
  // Only a target that is certainly gone: another Brimlet.exe that exists is the user's choice.
  if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return;
  if (SUCCEEDED(link->SetPath(exePath.c_str()))) file->Save(shortcutPath.c_str(), TRUE);
}

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
