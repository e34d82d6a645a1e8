#pragma once
// The poster of dialogs and menus: a small two-colour picture painted into the
// bottom-right corner of a shape's or an owner-drawn menu's background. Its
// two colours are replaced at run time by the face (or menu) colour and a
// colour halfway from there to the highlight, so that it reads as an embossed
// watermark in whatever colour scheme the user has chosen. Two pictures serve
// the whole program, one for shapes and one for menus: made on first use,
// recoloured when the scheme changes and released at program end. Nothing is
// painted on a palette display, where the plain fills stay.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "framework/base/Owners.h"

// The program's bitmap resource the poster is loaded from.
constexpr const char* kPosterResource = "POSTER_BITMAP";

class TBackgroundPicture {
 public:
  TBackgroundPicture() = default;
  virtual ~TBackgroundPicture();
  TBackgroundPicture(const TBackgroundPicture&) = delete;
  TBackgroundPicture& operator=(const TBackgroundPicture&) = delete;

  // Replaces the poster by a copy of the bitmap resource `name` of `module`.
  // False, and no poster, when there is none or it is no usable bitmap.
  bool LoadPoster(HMODULE module, const char* name);
  // Replaces the poster by a copy of a packed bitmap (header, colour table,
  // bits, as a bitmap resource holds it). Usable is an uncompressed bitmap of
  // 1, 4 or 8 bits per pixel with at least two colours, at most
  // kMaxPosterSide pixels each way, whose bits are all there; anything else
  // leaves no poster and returns false.
  bool SetPoster(const void* packedBitmap, size_t size);
  // Colour-table entries 0 (the ground) and 1 (the relief), then a new poster
  // palette from the table. Nothing happens without a poster.
  void SetPosterColours(COLORREF ground, COLORREF relief);

  bool HasPoster() const { return !poster_.empty(); }
  int PosterWidth() const { return width_; }
  int PosterHeight() const { return height_; }
  // The header and colour table for SetDIBitsToDevice; null without a poster.
  const BITMAPINFO* PosterInfo() const;
  const void* PosterBits() const;
  // Entry `index` of the colour table as a COLORREF; CLR_INVALID when there
  // is no such entry.
  COLORREF PosterColour(int index) const;
  // The palette selected while painting: the poster palette, or null.
  HPALETTE Palette() const { return palette_; }
  int HorizontalPlace() const { return horizontalPlace_; }
  int VerticalPlace() const { return verticalPlace_; }

  static constexpr int kMaxPosterSide = 1024;

 private:
  void Forget();

  std::vector<BYTE> poster_;  // header, colour table and bits; empty without a poster
  size_t tableOffset_ = 0;
  size_t colourCount_ = 0;
  size_t bitsOffset_ = 0;
  int width_ = 0;
  int height_ = 0;
  TPaletteHandle posterPalette_;
  HPALETTE palette_ = nullptr;
  // Quarters of the free width and height; this program always puts the
  // poster into the bottom-right corner.
  int horizontalPlace_ = 4;
  int verticalPlace_ = 4;
};

// Every shape's window carries this property (its object). A control paints
// the shape's picture behind itself only over a parent that carries it.
constexpr const char* kShapeWindowProperty = "TShapeDlg";

// The picture behind every shape, made (and coloured for shapes) on first use.
TBackgroundPicture* ShapeBackground();
// The picture behind owner-drawn menu items, made (and coloured for menus) on
// first use; its callers ask only on displays that are not palette-based.
TBackgroundPicture* MenuBackground();
// Destroys both pictures (at program end); the next use makes them afresh.
void ReleaseBackgroundPictures();

// True when `dc` is a palette-based display, where no picture is painted.
bool IsPaletteDisplay(HDC dc);

// Reloads the poster and colours it from the system: the ground with
// COLOR_BTNFACE (shapes) or COLOR_MENU (menus), the relief halfway from the
// ground to COLOR_BTNHIGHLIGHT.
void RecolourForShapes(TBackgroundPicture& picture);
void RecolourForMenus(TBackgroundPicture& picture);
// The same with given colours: the ground is `ground`, the relief the mean of
// `ground` and `highlight` in each channel (rounded down).
void RecolourPicture(TBackgroundPicture& picture, COLORREF ground, COLORREF highlight);
// Recolours the pictures that exist (after a colour scheme change); makes none.
void RecolourBackgroundPictures();

// Paints the poster at its natural size over the area (left, top, width,
// height), placed by the picture's places and clipped to the area. Nothing on
// a palette display or without a poster.
void DrawBackground(const TBackgroundPicture& picture, HDC dc, int left, int top, int width, int height);
// Paints only the part of the area's picture under the piece, combined off
// screen with what `dc` already shows there and copied back in one go, so
// that an item drawn over a fill does not flicker. Pixels outside the piece
// are left alone.
void DrawBackgroundPiece(const TBackgroundPicture& picture, HDC dc, int areaLeft, int areaTop, int areaWidth,
                         int areaHeight, int pieceLeft, int pieceTop, int pieceWidth, int pieceHeight);
