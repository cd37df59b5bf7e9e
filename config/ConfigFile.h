#pragma once
// config.ini held as one wide text with its path, for one load or one save.
#include <cstdint>
#include <string>

class ConfigFile {
 public:
  // Reads the file: UTF-16 when it starts with a UTF-16 byte order mark, UTF-8
  // after a UTF-8 mark, the system's ANSI code page otherwise. Never fails: a
  // missing or unreadable file gives an empty text.
  explicit ConfigFile(std::wstring filePath);

  std::wstring GetValue(const std::wstring& key, const std::wstring& defaultValue) const;
  void SetValue(const std::wstring& key, const std::wstring& value);
  void SetBool(const std::wstring& key, bool value);
  void SetInt(const std::wstring& key, int32_t value);

  // Writes the text as UTF-8 with a byte order mark and CR LF line breaks.
  // The new content goes to a temporary file beside the old one, which then
  // replaces it in one step; true only when the new content is in place. On
  // any failure the old file is left exactly as it was.
  bool Save() const;

  std::wstring path;
  std::wstring text;

 private:
  // The file exists but could not be read: saving over it would lose its content.
  bool m_unreadable = false;
};

// Steps of a save that tests can make fail, as a full disk or a crash would.
enum class SaveStep { CreateTemporary, Write, Flush, Replace };
extern bool (*g_saveStepFailsForTest)(SaveStep step);
