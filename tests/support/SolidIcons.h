#pragma once
// Icons of one solid colour, drawn in code: a test can tell them apart by
// colour in a screenshot or in the stand-in taskbar's log, and needs no
// resource file. Header-only so that the stand-alone test programs share it.
#include <windows.h>

#include <vector>

// `rgb` is 0xRRGGBB. The caller owns the icon (DestroyIcon); null on failure.
inline HICON CreateSolidIcon(int size, unsigned rgb) {
  // 32-bit pixels are B, G, R, A in memory; an opaque alpha and an all-zero
  // mask keep every pixel the given colour whichever way the icon is drawn.
  std::vector<DWORD> pixels(static_cast<size_t>(size) * size, 0xFF000000u | (rgb & 0xFFFFFFu));
  HBITMAP colour = CreateBitmap(size, size, 1, 32, pixels.data());
  const int maskStride = ((size + 15) / 16) * 2;  // monochrome rows are WORD-aligned
  std::vector<BYTE> maskBits(static_cast<size_t>(maskStride) * size, 0);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits.data());
  HICON icon = nullptr;
  if (colour && mask) {
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    icon = CreateIconIndirect(&info);  // copies both bitmaps
  }
  if (colour) DeleteObject(colour);
  if (mask) DeleteObject(mask);
  return icon;
}

// 0xRRGGBB of the icon's centre pixel, or -1 when it cannot be read.
inline long SolidIconColour(HICON icon) {
  ICONINFO info = {};
  if (!icon || !GetIconInfo(icon, &info)) return -1;
  long rgb = -1;
  BITMAP bitmap = {};
  if (info.hbmColor && GetObject(info.hbmColor, sizeof bitmap, &bitmap) && bitmap.bmWidth > 0) {
    HDC dc = GetDC(nullptr);
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = bitmap.bmWidth;
    header.bmiHeader.biHeight = -bitmap.bmHeight;  // top-down
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    if (GetDIBits(dc, info.hbmColor, 0, bitmap.bmHeight, pixels.data(), &header, DIB_RGB_COLORS)) {
      const size_t centre = static_cast<size_t>(bitmap.bmHeight / 2) * bitmap.bmWidth + bitmap.bmWidth / 2;
      rgb = static_cast<long>(pixels[centre] & 0xFFFFFFu);
    }
    ReleaseDC(nullptr, dc);
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return rgb;
}
