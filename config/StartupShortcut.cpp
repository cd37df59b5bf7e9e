#include "config/StartupShortcut.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>

#include "core/PathText.h"
#include "framework/FileNames.h"
#include "framework/UniqueHandle.h"

namespace {

constexpr wchar_t kShortcutName[] = L"\\Brimlet.lnk";
constexpr wchar_t kShortcutDescription[] = L"Brimlet";

bool MakeLink(ComPtr<IShellLinkW>& link, ComPtr<IPersistFile>& file) {
  return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) &&
         link && SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) && file;
}

// The folder a program started from its shortcut runs in: its own.
std::wstring WorkingFolderOf(const std::wstring& exePath) {
  std::wstring folder = DirectoryPart(exePath);
  if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();  // "C:\" keeps its backslash
  return folder;
}

void SaveShortcut(const std::wstring& shortcutPath, const std::wstring& exePath) {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (!MakeLink(link, file)) return;
  link->SetPath(exePath.c_str());
  link->SetWorkingDirectory(WorkingFolderOf(exePath).c_str());
  link->SetDescription(kShortcutDescription);
  file->Save(shortcutPath.c_str(), TRUE);
}

class SystemShortcutFiles final : public ShortcutFiles {
 public:
  bool Read(const std::wstring& shortcut, ShortcutFields& fields) override {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (::GetFileAttributesW(shortcut.c_str()) == INVALID_FILE_ATTRIBUTES || !MakeLink(link, file) ||
        FAILED(file->Load(shortcut.c_str(), STGM_READ))) {
      return false;
    }
    wchar_t text[MAX_PATH] = {};
    if (FAILED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) text[0] = L'\0';
    fields.target = text;
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH);
    fields.workingFolder = text;
    text[0] = L'\0';
    int index = 0;
    link->GetIconLocation(text, MAX_PATH, &index);
    fields.iconFile = text;
    fields.iconIndex = index;
    return true;
  }

  void Write(const std::wstring& shortcut, const ShortcutFields& fields) override {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (!MakeLink(link, file) || FAILED(file->Load(shortcut.c_str(), STGM_READWRITE)) ||
        FAILED(link->SetPath(fields.target.c_str()))) {
      return;
    }
    link->SetWorkingDirectory(fields.workingFolder.c_str());
    if (!fields.iconFile.empty()) link->SetIconLocation(fields.iconFile.c_str(), fields.iconIndex);
    file->Save(shortcut.c_str(), TRUE);
  }

  std::wstring Expand(const std::wstring& path) override {
    const DWORD size = ::ExpandEnvironmentStringsW(path.c_str(), nullptr, 0);
    if (size == 0) return path;
    std::wstring expanded(size, L'\0');
    const DWORD length = ::ExpandEnvironmentStringsW(path.c_str(), expanded.data(), size);
    if (length == 0 || length > size) return path;
    expanded.resize(length - 1);
    return expanded;
  }

  PathState Look(const std::wstring& path) override {
    if (!IsAbsolutePath(path)) return PathState::Unknown;
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return PathState::Present;
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return PathState::Unknown;
    // A drive not mounted yet (a USB stick, an encrypted volume, a subst drive)
    // or a network share out of reach says "not found" as well: its root must be there.
    wchar_t volume[MAX_PATH] = {};
    if (!::GetVolumePathNameW(path.c_str(), volume, MAX_PATH) ||
        ::GetFileAttributesW(volume) == INVALID_FILE_ATTRIBUTES) {
      return PathState::Unknown;
    }
    return PathState::Missing;
  }
};

}  // namespace

void RepairStartupShortcut(const std::wstring& shortcutPath, const std::wstring& exePath) {
  SystemShortcutFiles files;
  RepairStartupShortcut(files, shortcutPath, exePath);
}

void RepairStartupShortcut(ShortcutFiles& files, const std::wstring& shortcutPath, const std::wstring& exePath) {
  ShortcutFields fields;
  // Not a shell link, or one without a file: not ours to change.
  if (shortcutPath.empty() || !files.Read(shortcutPath, fields) || fields.target.empty()) return;
  const std::wstring gone = files.Expand(fields.target);
  // Another Brimlet.exe that exists, or may, is the user's choice.
  if (files.Look(gone) != PathState::Missing) return;
  const bool ownIcon = !fields.iconFile.empty() && SameFileName(files.Expand(fields.iconFile), gone);
  fields.target = exePath;
  fields.workingFolder = WorkingFolderOf(exePath);
  if (ownIcon) fields.iconFile = exePath;
  files.Write(shortcutPath, fields);
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
