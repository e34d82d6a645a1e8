#pragma once
// Looking at icons from the outside: their size, their pixels, whether a
// handle is still alive, and how many GDI and USER objects the process holds.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/base/Owners.h"

struct IconPixels {
  int width = 0;
  int height = 0;
  std::vector<DWORD> colour;  // 32-bit top-down, alpha masked off
  bool operator==(const IconPixels& other) const {
    return width == other.width && height == other.height && colour == other.colour;
  }
};

// Size and pixels of the colour bitmap (the mask's upper half for a
// monochrome icon); width 0 when the handle is no icon (any more).
inline IconPixels ReadIconPixels(HICON icon) {
  IconPixels pixels;
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return pixels;
  BITMAP bitmap = {};
  HBITMAP source = info.hbmColor ? info.hbmColor : info.hbmMask;
  if (GetObject(source, sizeof bitmap, &bitmap)) {
    pixels.width = bitmap.bmWidth;
    pixels.height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = pixels.width;
    header.bmiHeader.biHeight = -pixels.height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    pixels.colour.resize(static_cast<size_t>(pixels.width) * pixels.height);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, source, 0, pixels.height, pixels.colour.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (DWORD& pixel : pixels.colour) pixel &= 0xFFFFFFu;
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return pixels;
}

// An icon of one opaque colour (`rgb` 0xRRGGBB), owned by the caller; a
// test can tell whose icon it got by its colour.
inline HICON MakeSolidIcon(int size, unsigned rgb) {
  std::vector<DWORD> pixels(static_cast<size_t>(size) * size, 0xFF000000u | (rgb & 0xFFFFFFu));
  std::vector<BYTE> mask(static_cast<size_t>((size + 15) / 16 * 2) * size, 0);
  HBITMAP colour = CreateBitmap(size, size, 1, 32, pixels.data());
  HBITMAP monochrome = CreateBitmap(size, size, 1, 1, mask.data());
  ICONINFO info = {};
  info.fIcon = TRUE;
  info.hbmColor = colour;
  info.hbmMask = monochrome;
  HICON icon = colour && monochrome ? CreateIconIndirect(&info) : nullptr;  // copies both
  if (colour) DeleteObject(colour);
  if (monochrome) DeleteObject(monochrome);
  return icon;
}

// 0xRRGGBB of the centre pixel, -1 for no icon.
inline long CentreColour(HICON icon) {
  const IconPixels pixels = ReadIconPixels(icon);
  if (pixels.width == 0) return -1;
  return static_cast<long>(pixels.colour[static_cast<size_t>(pixels.height / 2) * pixels.width +
                                         pixels.width / 2]);
}

// A program of the build folder, which holds this test executable.
inline std::string SiblingProgram(const std::string& fileName) {
  char path[MAX_PATH * 2] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length < sizeof path ? length : 0);
  return folder.substr(0, folder.find_last_of('\\') + 1) + fileName;
}

inline SIZE IconSize(HICON icon) {
  const IconPixels pixels = ReadIconPixels(icon);
  return {pixels.width, pixels.height};
}

// A destroyed icon's handle no longer answers GetIconInfo.
inline bool IsLiveIcon(HICON icon) {
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return false;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return true;
}

// An .ico file made from an icon group of this executable, so that the file
// tests need no file of the source tree. Empty when the group is missing.
inline std::string IconFileBytes(const char* groupName) {
  HMODULE self = GetModuleHandleA(nullptr);
  HRSRC group = FindResourceA(self, groupName, RT_GROUP_ICON);
  if (group == nullptr) return std::string();
  const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(self, group)));
  const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
  std::string header(directory, directory + 6);
  std::string images;
  DWORD offset = 6 + 16u * count;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* entry = directory + 6 + 14 * i;
    const WORD id = *reinterpret_cast<const WORD*>(entry + 12);
    HRSRC image = FindResourceA(self, MAKEINTRESOURCEA(id), RT_ICON);
    const DWORD size = SizeofResource(self, image);
    const char* bits = static_cast<const char*>(LockResource(LoadResource(self, image)));
    header.append(reinterpret_cast<const char*>(entry), 8);  // size, colours, planes, bit count
    header.append(reinterpret_cast<const char*>(&size), 4);
    header.append(reinterpret_cast<const char*>(&offset), 4);
    images.append(bits, size);
    offset += size;
  }
  return header + images;
}

// A number that grows by one with each live GDI object of this process: the
// count itself where GetGuiResources answers (Windows); Wine's returns 0, so
// there it is minus the free slots of the process's GDI handle table, found
// by filling the table with tiny bitmaps (about 50 ms). Either way a leaked
// icon shows, as each holds bitmaps.
inline long GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  std::vector<HBITMAP> filler;
  filler.reserve(70000);
  while (filler.size() < 200000) {
    HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    if (bitmap == nullptr) break;
    filler.push_back(bitmap);
  }
  for (HBITMAP bitmap : filler) DeleteObject(bitmap);
  return -static_cast<long>(filler.size());
}

// USER objects (icons among them); 0 where the system does not say (Wine).
inline long UserObjectCount() {
  return static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
}
