#pragma once
// config.ini held as one wide text with its path, for one load or one save.
#include <cstdint>
#include <string>

#include "config/SaveFiles.h"
#include "core/TextBytes.h"

// Files larger than this count as unreadable: defaults apply and they are never
// saved over. Far beyond any settings file, and small enough to load at once.
inline constexpr uint64_t kLargestConfigFile = 1024 * 1024;

class ConfigFile {
 public:
  // Reads the file: UTF-16 when it starts with a UTF-16 byte order mark, UTF-8
  // after a UTF-8 mark or when its bytes are valid UTF-8 with non-ASCII text, the
  // system's ANSI code page otherwise. Never fails: a missing or unreadable file
  // gives an empty text.
  explicit ConfigFile(std::wstring filePath);
  ConfigFile(std::wstring filePath, SaveFiles& files);

  // The file is there but could not be read (held open by another program, too
  // large, no rights): its empty text says nothing of it, and it is never saved over.
  bool unreadable() const { return m_unreadable; }

  // Writes the text as UTF-8 with a byte order mark and CR LF line breaks,
  // followed by whatever reading stopped short of (after a NUL or Ctrl+Z), byte
  // for byte. The new content goes to a temporary file beside the file (beside
  // the target of a symbolic link), which then replaces it in one step; true only
  // when the new content is in place. On failure the old file is left exactly as
  // it was, or, if it could not be put back, the new content is kept as
  // "<name>.new" beside it. A file with more than one name (a hard link that
  // another program keeps) is written through, so every name sees the new
  // content: its old content is first put on the disk beside it, under a name
  // the start-up recovery restores it from should the rewrite be cut short.
  // Where files may be written but not created, the file is rewritten in place
  // and read back to check.
  bool Save() const;
  bool Save(SaveFiles& files) const;

  std::wstring path;
  std::wstring text;

 private:
  void Load(SaveFiles& files);

  // The file exists but could not be read: saving over it would lose its content.
  bool m_unreadable = false;
  PreparedText m_read;     // how it was read, with the bytes reading stopped short of
  std::string m_original;  // the file's bytes, to put back after a failed rewrite in place
};

// Deals with what interrupted saves of `configPath` left beside it (beside the
// target of a symbolic link): old content kept aside by a save through a link
// is written back through it; when the file is missing, the newest complete
// leftover is put in its place and nothing is deleted; otherwise its temporary
// and backup files older than a minute are deleted. Touches no other file.
void RecoverSaveLeftovers(const std::wstring& configPath);
void RecoverSaveLeftovers(SaveFiles& files, const std::wstring& configPath);
