#include <windows.h>

#include "framework/window/paint/BackgroundPicture.h"

#include <climits>
#include <cstring>
#include <cstdlib>
#include <memory>

#include "framework/window/core/TWindow.h"
#include "framework/window/paint/pure/BackgroundPlace.h"

namespace {

constexpr size_t kHeaderSize = sizeof(BITMAPINFOHEADER);

// The layout of a packed bitmap that passed the checks of SetPoster.
struct TPackedLayout {
  BITMAPINFOHEADER header;
  size_t tableOffset;  // the colour table follows the header, whatever its size
  size_t colourCount;
  size_t stride;
  size_t rows;
};

bool ReadLayout(const BYTE* bytes, size_t size, TPackedLayout& layout) {
  if (bytes == nullptr || size < kHeaderSize) return false;
  BITMAPINFOHEADER& header = layout.header;
  std::memcpy(&header, bytes, kHeaderSize);
  if (header.biSize < kHeaderSize || header.biSize > size) return false;
  if (header.biPlanes != 1 || header.biCompression != BI_RGB) return false;
  // Only a colour table gives the two colours that recolouring replaces.
  const int depth = header.biBitCount;
  if (depth != 1 && depth != 4 && depth != 8) return false;
  const int side = TBackgroundPicture::kMaxPosterSide;
  if (header.biWidth < 1 || header.biWidth > side) return false;
  if (header.biHeight == 0 || header.biHeight < -side || header.biHeight > side) return false;
  const size_t maxColours = size_t{1} << depth;
  layout.colourCount = header.biClrUsed == 0 ? maxColours : header.biClrUsed;
  if (layout.colourCount < 2 || layout.colourCount > maxColours) return false;
  layout.tableOffset = header.biSize;
  layout.stride = (static_cast<size_t>(header.biWidth) * depth + 31) / 32 * 4;
  layout.rows = static_cast<size_t>(std::abs(header.biHeight));
  // No overflow: the header lies within `size`, the table is at most 1 KB and
  // the bits at most 1 MB.
  const size_t bitsOffset = layout.tableOffset + layout.colourCount * sizeof(RGBQUAD);
  return bitsOffset <= size && size - bitsOffset >= layout.stride * layout.rows;
}

BYTE Mean(BYTE a, BYTE b) { return static_cast<BYTE>((a + b) >> 1); }

// The two pictures of the program; each lives from its first use to
// ReleaseBackgroundPictures.
std::unique_ptr<TBackgroundPicture>& ShapeInstance() {
  static std::unique_ptr<TBackgroundPicture> picture;
  return picture;
}

std::unique_ptr<TBackgroundPicture>& MenuInstance() {
  static std::unique_ptr<TBackgroundPicture> picture;
  return picture;
}

// Draws the part of the poster the slices give, with the poster's palette
// selected for the time of the copy.
void DrawSlices(const TBackgroundPicture& picture, HDC dc, const TPosterSlice& across, const TPosterSlice& down) {
  HPALETTE previous = nullptr;
  if (picture.Palette() != nullptr) {
    previous = SelectPalette(dc, picture.Palette(), FALSE);
    RealizePalette(dc);
  }
  // The poster is kept bottom-up, whose source rows count from the bottom.
  const int height = picture.PosterHeight();
  SetDIBitsToDevice(dc, across.deviceStart, down.deviceStart, static_cast<DWORD>(across.length),
                    static_cast<DWORD>(down.length), across.posterOffset, height - down.posterOffset - down.length, 0,
                    static_cast<UINT>(height), picture.PosterBits(), picture.PosterInfo(), DIB_RGB_COLORS);
  if (previous != nullptr) SelectPalette(dc, previous, FALSE);
}

}  // namespace

TBackgroundPicture::~TBackgroundPicture() = default;

void TBackgroundPicture::Forget() {
  palette_ = nullptr;
  posterPalette_.Reset();
  poster_.clear();
  tableOffset_ = colourCount_ = bitsOffset_ = 0;
  width_ = height_ = 0;
}

bool TBackgroundPicture::LoadPoster(HMODULE module, const char* name) {
  HRSRC resource = FindResourceA(module, name, RT_BITMAP);
  HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) {
    Forget();
    return false;
  }
  return SetPoster(bytes, SizeofResource(module, resource));
}

bool TBackgroundPicture::SetPoster(const void* packedBitmap, size_t size) {
  Forget();
  const BYTE* bytes = static_cast<const BYTE*>(packedBitmap);
  TPackedLayout layout;
  if (!ReadLayout(bytes, size, layout)) return false;
  // Kept in one form whatever the resource's: a plain header, the colour
  // table, and bottom-up rows, so that drawing a part needs one rule only.
  BITMAPINFOHEADER header = layout.header;
  header.biSize = kHeaderSize;
  header.biHeight = static_cast<LONG>(layout.rows);
  header.biClrUsed = static_cast<DWORD>(layout.colourCount);
  header.biClrImportant = 0;
  header.biSizeImage = static_cast<DWORD>(layout.stride * layout.rows);
  const size_t tableSize = layout.colourCount * sizeof(RGBQUAD);
  std::vector<BYTE> poster(kHeaderSize + tableSize + header.biSizeImage);
  std::memcpy(poster.data(), &header, kHeaderSize);
  std::memcpy(poster.data() + kHeaderSize, bytes + layout.tableOffset, tableSize);
  const BYTE* sourceBits = bytes + layout.tableOffset + tableSize;
  BYTE* bits = poster.data() + kHeaderSize + tableSize;
  const bool topDown = layout.header.biHeight < 0;
  for (size_t row = 0; row < layout.rows; ++row) {
    const size_t from = topDown ? layout.rows - 1 - row : row;
    std::memcpy(bits + row * layout.stride, sourceBits + from * layout.stride, layout.stride);
  }
  poster_ = std::move(poster);
  tableOffset_ = kHeaderSize;
  colourCount_ = layout.colourCount;
  bitsOffset_ = kHeaderSize + tableSize;
  width_ = header.biWidth;
  height_ = header.biHeight;
  SetPosterColours(PosterColour(0), PosterColour(1));
  return true;
}

void TBackgroundPicture::SetPosterColours(COLORREF ground, COLORREF relief) {
  if (!HasPoster()) return;
  // The table is in RGBQUAD order (blue first); a COLORREF has red lowest.
  const RGBQUAD entries[2] = {{GetBValue(ground), GetGValue(ground), GetRValue(ground), 0},
                              {GetBValue(relief), GetGValue(relief), GetRValue(relief), 0}};
  std::memcpy(poster_.data() + tableOffset_, entries, sizeof entries);

  struct {
    WORD version;
    WORD count;
    PALETTEENTRY entries[256];
  } palette = {0x300, static_cast<WORD>(colourCount_), {}};
  for (size_t i = 0; i < colourCount_; ++i) {
    const COLORREF colour = PosterColour(static_cast<int>(i));
    palette.entries[i] = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
  }
  // Nothing selects the old palette any more: drawing puts the previous one
  // back before it returns.
  palette_ = nullptr;
  posterPalette_.Reset(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette)));
  palette_ = posterPalette_.Get();
}

const BITMAPINFO* TBackgroundPicture::PosterInfo() const {
  return HasPoster() ? reinterpret_cast<const BITMAPINFO*>(poster_.data()) : nullptr;
}

const void* TBackgroundPicture::PosterBits() const { return HasPoster() ? poster_.data() + bitsOffset_ : nullptr; }

COLORREF TBackgroundPicture::PosterColour(int index) const {
  if (!HasPoster() || index < 0 || static_cast<size_t>(index) >= colourCount_) return CLR_INVALID;
  RGBQUAD entry;
  std::memcpy(&entry, poster_.data() + tableOffset_ + index * sizeof(RGBQUAD), sizeof entry);
  return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

TBackgroundPicture* ShapeBackground() {
  auto& picture = ShapeInstance();
  if (!picture) {
    picture = std::make_unique<TBackgroundPicture>();
    RecolourForShapes(*picture);
  }
  return picture.get();
}

TBackgroundPicture* MenuBackground() {
  auto& picture = MenuInstance();
  if (!picture) {
    picture = std::make_unique<TBackgroundPicture>();
    RecolourForMenus(*picture);
  }
  return picture.get();
}

void ReleaseBackgroundPictures() {
  ShapeInstance().reset();
  MenuInstance().reset();
}

bool IsPaletteDisplay(HDC dc) { return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0; }

void RecolourPicture(TBackgroundPicture& picture, COLORREF ground, COLORREF highlight) {
  if (!picture.LoadPoster(ProgramInstance(), kPosterResource)) return;
  const COLORREF relief = RGB(Mean(GetRValue(ground), GetRValue(highlight)),
                              Mean(GetGValue(ground), GetGValue(highlight)),
                              Mean(GetBValue(ground), GetBValue(highlight)));
  picture.SetPosterColours(ground, relief);
}

void RecolourForShapes(TBackgroundPicture& picture) {
  RecolourPicture(picture, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT));
}

void RecolourForMenus(TBackgroundPicture& picture) {
  RecolourPicture(picture, GetSysColor(COLOR_MENU), GetSysColor(COLOR_BTNHIGHLIGHT));
}

void RecolourBackgroundPictures() {
  if (ShapeInstance()) RecolourForShapes(*ShapeInstance());
  if (MenuInstance()) RecolourForMenus(*MenuInstance());
}

void DrawBackground(const TBackgroundPicture& picture, HDC dc, int left, int top, int width, int height) {
  if (dc == nullptr || !picture.HasPoster() || IsPaletteDisplay(dc)) return;
  const TPosterSlice across =
      SlicePoster(PlaceBackground(picture.HorizontalPlace(), left, width, picture.PosterWidth(), 0),
                  picture.PosterWidth(), INT_MIN, INT_MAX);
  const TPosterSlice down =
      SlicePoster(PlaceBackground(picture.VerticalPlace(), top, height, picture.PosterHeight(), 0),
                  picture.PosterHeight(), INT_MIN, INT_MAX);
  if (across.length > 0 && down.length > 0) DrawSlices(picture, dc, across, down);
}

void DrawBackgroundPiece(const TBackgroundPicture& picture, HDC dc, int areaLeft, int areaTop, int areaWidth,
                         int areaHeight, int pieceLeft, int pieceTop, int pieceWidth, int pieceHeight) {
  if (dc == nullptr || !picture.HasPoster() || IsPaletteDisplay(dc)) return;
  // In the piece's own coordinates, which are the memory context's.
  const TPosterSlice across =
      SlicePoster(PlaceBackground(picture.HorizontalPlace(), areaLeft, areaWidth, picture.PosterWidth(), pieceLeft),
                  picture.PosterWidth(), 0, pieceWidth);
  const TPosterSlice down =
      SlicePoster(PlaceBackground(picture.VerticalPlace(), areaTop, areaHeight, picture.PosterHeight(), pieceTop),
                  picture.PosterHeight(), 0, pieceHeight);
  // Most menu items lie nowhere near the poster: they cost no copy at all.
  if (across.length <= 0 || down.length <= 0) return;

  TMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory) return;
  TBitmapHandle bitmap(CreateCompatibleBitmap(dc, pieceWidth, pieceHeight));
  if (!bitmap) return;
  const HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
  if (previous == nullptr) return;
  // What the piece shows now (the item's fill) goes under the poster; a piece
  // that cannot be read is left as it is rather than overwritten with noise.
  if (BitBlt(memory.Get(), 0, 0, pieceWidth, pieceHeight, dc, pieceLeft, pieceTop, SRCCOPY)) {
    DrawSlices(picture, memory.Get(), across, down);
    BitBlt(dc, pieceLeft, pieceTop, pieceWidth, pieceHeight, memory.Get(), 0, 0, SRCCOPY);
  }
  SelectObject(memory.Get(), previous);
}
