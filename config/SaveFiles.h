#pragma once
// The file-system calls a load and a save make, and those that deal with what
// an interrupted save left: each one is a place where a full disk, missing
// rights, another program holding the file or a crash can stop it. A load and
// a save go through this seam alone, so a test can make any call fail or see
// their order; SystemSaveFiles makes the system's calls.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FoundFile {
  std::wstring name;   // without its folder
  uint64_t writtenAt;  // last write time, in 100 ns units
  bool folder;
};

class SaveFiles {
 public:
  // GetFileAttributesW: INVALID_FILE_ATTRIBUTES with the last error when there is none.
  virtual DWORD Attributes(const std::wstring& path) = 0;
  // The target a symbolic link at `path` stores, as stored (absolute,
  // relative to the link's folder, or an NT path), whether that target exists
  // or not; false when `path` is no symbolic link.
  virtual bool LinkTarget(const std::wstring& path, std::wstring& stored) = 0;
  // The file an existing chain of links at `path` leads to, as the system
  // resolves it; `path` itself when it cannot.
  virtual std::wstring FinalPath(const std::wstring& path) = 0;
  // How many names (hard links) the file at `path` has; 1 when it cannot tell.
  virtual uint32_t NameCount(const std::wstring& path) = 0;
  // A new file, for writing and not shared; INVALID_HANDLE_VALUE with the last
  // error (ERROR_FILE_EXISTS when the name is taken).
  virtual HANDLE CreateNew(const std::wstring& path) = 0;
  // An existing file, for reading and writing it in place.
  virtual HANDLE OpenExisting(const std::wstring& path) = 0;
  // An existing file, for reading it while others may read, write or delete
  // it; INVALID_HANDLE_VALUE with the last error.
  virtual HANDLE OpenForReading(const std::wstring& path) = 0;
  // Closes a handle the seam gave; false when the close failed (a write the
  // system held back may have failed with it).
  virtual bool Close(HANDLE file) = 0;
  // All of `bytes` at the file's position.
  virtual bool Write(HANDLE file, std::string_view bytes) = 0;
  virtual bool Flush(HANDLE file) = 0;
  // Ends the file at its position.
  virtual bool SetEnd(HANDLE file) = 0;
  // Moves the file's position to its start.
  virtual bool Rewind(HANDLE file) = 0;
  // Up to `most` bytes from the file's position; false when a read failed.
  virtual bool Read(HANDLE file, size_t most, std::string& bytes) = 0;
  // ReplaceFileW: `replacement` takes the place of `target`, whose old content
  // goes to `backup` on the way.
  virtual bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) = 0;
  virtual bool Move(const std::wstring& from, const std::wstring& to, DWORD flags) = 0;
  virtual bool Delete(const std::wstring& path) = 0;
  // The files whose paths match `pattern` (wildcards in the last element).
  virtual std::vector<FoundFile> Find(const std::wstring& pattern) = 0;
  // The time now, in the units of FoundFile::writtenAt.
  virtual uint64_t Now() = 0;

 protected:
  ~SaveFiles() = default;
};

// The system's own; tests derive from it to make chosen calls fail.
class SystemSaveFiles : public SaveFiles {
 public:
  SystemSaveFiles() = default;
  virtual ~SystemSaveFiles() = default;
  SystemSaveFiles(const SystemSaveFiles&) = delete;
  SystemSaveFiles& operator=(const SystemSaveFiles&) = delete;

  DWORD Attributes(const std::wstring& path) override;
  bool LinkTarget(const std::wstring& path, std::wstring& stored) override;
  std::wstring FinalPath(const std::wstring& path) override;
  uint32_t NameCount(const std::wstring& path) override;
  HANDLE CreateNew(const std::wstring& path) override;
  HANDLE OpenExisting(const std::wstring& path) override;
  HANDLE OpenForReading(const std::wstring& path) override;
  bool Close(HANDLE file) override;
  bool Write(HANDLE file, std::string_view bytes) override;
  bool Flush(HANDLE file) override;
  bool SetEnd(HANDLE file) override;
  bool Rewind(HANDLE file) override;
  bool Read(HANDLE file, size_t most, std::string& bytes) override;
  bool Replace(const std::wstring& target, const std::wstring& replacement, const std::wstring& backup) override;
  bool Move(const std::wstring& from, const std::wstring& to, DWORD flags) override;
  bool Delete(const std::wstring& path) override;
  std::vector<FoundFile> Find(const std::wstring& pattern) override;
  uint64_t Now() override;
};
