// Stands in for the browser and the mail program: registered as the shell's
// handler for the link schemes, it appends the link it was given to
// links.txt beside itself, one line each.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring log = self;
  log = log.substr(0, log.rfind(L'\\')) + L"\\links.txt";
  std::wstring line = argc > 1 ? argv[1] : L"";
  line += L"\n";
  // Appends are atomic, so two recorders started close together may both write.
  HANDLE file = ::CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  ::WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
  ::CloseHandle(file);
  return 0;
}
