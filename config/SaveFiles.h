#pragma once
// The file-system calls a save makes: each one is a place where a full disk,
// missing rights or a crash can stop it. A save goes through this object, so a
// test can make any of them fail; the plain object makes the system's calls.
#include <windows.h>

#include <string>
#include <string_view>

class SaveFiles {
 public:
  SaveFiles() = default;
  virtual ~SaveFiles() = default;
  SaveFiles(const SaveFiles&) = delete;
  SaveFiles& operator=(const SaveFiles&) = delete;

  // A new file, for writing and not shared; INVALID_HANDLE_VALUE with the last
  // error (ERROR_FILE_EXISTS when the name is taken).
  virtual HANDLE CreateNew(const std::wstring& path);
  // An existing file, for reading and writing it in place.
  virtual HANDLE OpenExisting(const std::wstring& path);
  // All of `bytes` at the file's position.
  virtual bool Write(HANDLE file, std::string_view bytes);
  virtual bool Flush(HANDLE file);
  // Ends the file at its position.
  virtual bool SetEnd(HANDLE file);
  // ReplaceFileW: `replacement` takes the place of `target`, whose old content
  // goes to `backup` on the way.
  virtual bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup);
  virtual bool Move(const std::wstring& from, const std::wstring& to, DWORD flags);
};
