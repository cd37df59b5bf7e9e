#include "tests/support/Screenshot.h"

#include "framework/UniqueHandle.h"
#include "tests/support/TestFiles.h"

namespace {

// 24-bit rows, bottom row first, each padded to 4 bytes: the BMP layout.
std::vector<char> ScreenRows(const RECT& rect, BITMAPINFOHEADER& header) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  const UniqueGdiObject bitmap(::CreateCompatibleBitmap(screen, width, height));
  HGDIOBJ previous = ::SelectObject(memory, bitmap.get());
  ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ::SelectObject(memory, previous);

  header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  std::vector<char> pixels(stride * static_cast<size_t>(height));
  const int rows = ::GetDIBits(memory, static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(height),
                               pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  if (rows != height) return {};
  return pixels;
}

}  // namespace

std::vector<COLORREF> CaptureScreen(const RECT& rect) {
  BITMAPINFOHEADER header{};
  const std::vector<char> rows = ScreenRows(rect, header);
  if (rows.empty()) return {};
  const auto width = static_cast<size_t>(header.biWidth);
  const auto height = static_cast<size_t>(header.biHeight);
  const size_t stride = (width * 3 + 3) & ~size_t{3};
  std::vector<COLORREF> pixels;
  pixels.reserve(width * height);
  for (size_t y = height; y-- > 0;) {
    const auto* row = reinterpret_cast<const unsigned char*>(rows.data()) + y * stride;
    for (size_t x = 0; x < width; ++x) pixels.push_back(RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
  }
  return pixels;
}

std::wstring SaveScreenshot(const std::wstring& name) {
  const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  BITMAPINFOHEADER header{};
  const std::vector<char> pixels = ScreenRows(screen, header);
  if (pixels.empty()) return {};

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
  bytes.append(pixels.data(), pixels.size());

  const std::wstring folder = TestProgramFolder() + L"\\screenshots";
  ::CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"\\" + name + L".bmp";
  return WriteFileBytes(path, bytes) ? path : std::wstring();
}
