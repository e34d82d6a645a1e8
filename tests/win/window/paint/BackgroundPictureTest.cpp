#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/base/Owners.h"
#include "framework/window/paint/BackgroundPicture.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

// A 32-bit top-down DIB section in a memory context: what is drawn into it
// can be read back pixel by pixel (0xRRGGBB).
class TCanvas {
 public:
  TCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_.Reset(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<DWORD*>(bits);
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
  }
  ~TCanvas() { SelectObject(dc_.Get(), previous_); }
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  bool IsValid() const { return dc_ && bits_ != nullptr && previous_ != nullptr; }
  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Fill(const std::function<DWORD(int, int)>& colour) {
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) bits_[y * width_ + x] = colour(x, y);
    }
  }
  std::vector<DWORD> Pixels() const {
    GdiFlush();
    std::vector<DWORD> pixels(bits_, bits_ + width_ * height_);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFFu;
    return pixels;
  }

 private:
  int width_;
  int height_;
  TMemoryDc dc_;
  TBitmapHandle bitmap_;
  DWORD* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// 0xRRGGBB, as a 32-bit DIB holds a COLORREF's colour.
DWORD PixelOf(COLORREF colour) {
  return (static_cast<DWORD>(GetRValue(colour)) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// A colour that differs from pixel to pixel, standing for what an item's
// fill (or anything else) left on the canvas before the poster came.
DWORD Ground(int x, int y) { return 0x400000u | ((x & 0xFF) << 8) | (y & 0xFF); }

// The poster resource as the program holds it, read here on its own so that
// the tests compare the picture's drawing with the bitmap, not with itself.
struct TPosterPattern {
  std::vector<BYTE> packed;  // the resource's bytes
  int width = 0;
  int height = 0;
  std::vector<int> index;  // colour-table index per pixel, top row first

  int At(int x, int y) const { return index[static_cast<size_t>(y) * width + x]; }
  int Count(int colourIndex) const { return static_cast<int>(std::count(index.begin(), index.end(), colourIndex)); }
};

const TPosterPattern& Poster() {
  static const TPosterPattern pattern = [] {
    TPosterPattern read;
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(self, kPosterResource, RT_BITMAP);
    if (resource == nullptr) return read;
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(self, resource)));
    read.packed.assign(bytes, bytes + SizeofResource(self, resource));
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes, sizeof header);
    const int depth = header.biBitCount;
    const size_t colours = header.biClrUsed != 0 ? header.biClrUsed : size_t{1} << depth;
    const BYTE* bits = bytes + header.biSize + colours * sizeof(RGBQUAD);
    const size_t stride = (static_cast<size_t>(header.biWidth) * depth + 31) / 32 * 4;
    read.width = header.biWidth;
    read.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    for (int y = 0; y < read.height; ++y) {
      const BYTE* row = bits + stride * static_cast<size_t>(header.biHeight < 0 ? y : read.height - 1 - y);
      for (int x = 0; x < read.width; ++x) {
        const int bit = x * depth;
        const int shift = 8 - depth - bit % 8;
        read.index.push_back((row[bit / 8] >> shift) & ((1 << depth) - 1));
      }
    }
    return read;
  }();
  return pattern;
}

struct TArea {
  int left;
  int top;
  int width;
  int height;
};

// What `before` becomes when the poster (coloured ground and relief) is laid
// into the area's bottom-right corner, cut to the area and to `piece`.
std::vector<DWORD> ExpectedAfter(const std::vector<DWORD>& before, int canvasWidth, const TArea& area,
                                 const TArea& piece, COLORREF ground, COLORREF relief) {
  const TPosterPattern& poster = Poster();
  std::vector<DWORD> expected = before;
  const int right = area.left + std::max(area.width, 0);
  const int bottom = area.top + std::max(area.height, 0);
  const int posterLeft = right - poster.width;
  const int posterTop = bottom - poster.height;
  const int canvasHeight = static_cast<int>(before.size()) / canvasWidth;
  for (int y = 0; y < canvasHeight; ++y) {
    for (int x = 0; x < canvasWidth; ++x) {
      const bool inArea = x >= area.left && x < right && y >= area.top && y < bottom;
      const bool inPiece =
          x >= piece.left && x < piece.left + piece.width && y >= piece.top && y < piece.top + piece.height;
      const int px = x - posterLeft;
      const int py = y - posterTop;
      if (inArea && inPiece && px >= 0 && px < poster.width && py >= 0 && py < poster.height) {
        expected[static_cast<size_t>(y) * canvasWidth + x] = PixelOf(poster.At(px, py) == 0 ? ground : relief);
      }
    }
  }
  return expected;
}

// The first pixel where two images differ, as "(x, y): got, wanted".
std::string FirstDifference(const std::vector<DWORD>& got, const std::vector<DWORD>& wanted, int width) {
  for (size_t i = 0; i < got.size() && i < wanted.size(); ++i) {
    if (got[i] != wanted[i]) {
      char text[96];
      std::snprintf(text, sizeof text, "(%d, %d): %06lx, wanted %06lx", static_cast<int>(i % width),
                    static_cast<int>(i / width), static_cast<unsigned long>(got[i]),
                    static_cast<unsigned long>(wanted[i]));
      return text;
    }
  }
  return got.size() == wanted.size() ? "" : "sizes differ";
}

COLORREF MeanColour(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

// Clear colours for pixel comparisons: under Wine's default scheme the menu
// colour equals the highlight, which would make both entries white.
constexpr COLORREF kTestGround = RGB(0x30, 0x60, 0x90);
constexpr COLORREF kTestHighlight = RGB(0xF0, 0xE0, 0xD0);

void PaintPosterColours(TBackgroundPicture& picture) { RecolourPicture(picture, kTestGround, kTestHighlight); }

class BackgroundPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(Poster().width, 0) << "the poster resource is missing from the test program";
    ASSERT_TRUE(canvas_.IsValid());
    canvas_.Fill(Ground);
  }
  void TearDown() override { ReleaseBackgroundPictures(); }

  TCanvas canvas_{340, 220};
};

}  // namespace

TEST(PosterResource, IsATwoColourPictureOfModestSize) {
  const TPosterPattern& poster = Poster();
  ASSERT_GT(poster.width, 0);
  // Large enough to read, small enough to stay a corner ornament of a dialog.
  EXPECT_GE(poster.width, 64);
  EXPECT_LE(poster.width, 160);
  EXPECT_GE(poster.height, 48);
  EXPECT_LE(poster.height, 120);
  // Entries 0 and 1 only: every other entry would keep a colour of its own.
  EXPECT_EQ(poster.Count(0) + poster.Count(1), poster.width * poster.height);
  // A watermark: mostly ground, with some relief.
  EXPECT_GT(poster.Count(1), poster.width * poster.height / 50);
  EXPECT_LT(poster.Count(1), poster.width * poster.height / 3);
  // The relief keeps off the right and bottom edges, which meet the window's.
  for (int y = 0; y < poster.height; ++y) EXPECT_EQ(0, poster.At(poster.width - 1, y)) << "row " << y;
  for (int x = 0; x < poster.width; ++x) EXPECT_EQ(0, poster.At(x, poster.height - 1)) << "column " << x;
}

TEST_F(BackgroundPicture, RecolouringPutsTheGroundAndTheMeanIntoTheTableInRgbQuadOrder) {
  struct Case {
    COLORREF ground;
    COLORREF highlight;
    COLORREF relief;
    const char* reason;
  } cases[] = {
      {RGB(0xF5, 0xF5, 0xF5), RGB(0xFF, 0xFF, 0xFF), RGB(0xFA, 0xFA, 0xFA), "a light face under a white highlight"},
      {RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF), RGB(0x7F, 0x7F, 0x7F), "odd sums round down"},
      {RGB(0xFF, 0, 0), RGB(0, 0, 0xFF), RGB(0x7F, 0, 0x7F), "red stays red and blue blue in the table"},
      {RGB(1, 3, 5), RGB(2, 4, 6), RGB(1, 3, 5), "each channel on its own, rounded down"},
      {RGB(10, 200, 30), RGB(30, 100, 250), RGB(20, 150, 140), "channels never mix"},
      {RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF), "no overflow at the top"},
  };
  for (const auto& c : cases) {
    TBackgroundPicture picture;
    RecolourPicture(picture, c.ground, c.highlight);
    ASSERT_TRUE(picture.HasPoster()) << c.reason;
    EXPECT_EQ(c.ground, picture.PosterColour(0)) << c.reason;
    EXPECT_EQ(c.relief, picture.PosterColour(1)) << c.reason;
    const RGBQUAD* table = picture.PosterInfo()->bmiColors;
    EXPECT_EQ(GetRValue(c.ground), table[0].rgbRed) << c.reason;
    EXPECT_EQ(GetBValue(c.ground), table[0].rgbBlue) << c.reason;
    EXPECT_EQ(GetRValue(c.relief), table[1].rgbRed) << c.reason;
    EXPECT_EQ(GetBValue(c.relief), table[1].rgbBlue) << c.reason;
    // The palette follows the table.
    PALETTEENTRY entries[2] = {};
    ASSERT_EQ(2u, GetPaletteEntries(picture.Palette(), 0, 2, entries)) << c.reason;
    EXPECT_EQ(c.ground, RGB(entries[0].peRed, entries[0].peGreen, entries[0].peBlue)) << c.reason;
    EXPECT_EQ(c.relief, RGB(entries[1].peRed, entries[1].peGreen, entries[1].peBlue)) << c.reason;
  }
}

TEST_F(BackgroundPicture, ShapesGetTheFaceColourAndMenusTheMenuColour) {
  struct Case {
    void (*recolour)(TBackgroundPicture&);
    int groundIndex;
    const char* reason;
  } cases[] = {
      {RecolourForShapes, COLOR_BTNFACE, "shapes lie on the face colour"},
      {RecolourForMenus, COLOR_MENU, "menus on the menu colour"},
  };
  for (const auto& c : cases) {
    TBackgroundPicture picture;
    c.recolour(picture);
    ASSERT_TRUE(picture.HasPoster()) << c.reason;
    const COLORREF ground = GetSysColor(c.groundIndex);
    EXPECT_EQ(ground, picture.PosterColour(0)) << c.reason;
    EXPECT_EQ(MeanColour(ground, GetSysColor(COLOR_BTNHIGHLIGHT)), picture.PosterColour(1)) << c.reason;
  }
}

TEST_F(BackgroundPicture, DrawsBothColoursWhereThePosterHasThem) {
  TBackgroundPicture picture;
  RecolourForShapes(picture);
  ASSERT_TRUE(picture.HasPoster());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF relief = MeanColour(face, GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_NE(face, relief) << "this scheme's face is white: nothing would tell the colours apart";
  const TArea area = {0, 0, Poster().width, Poster().height};
  const std::vector<DWORD> before = canvas_.Pixels();
  DrawBackground(picture, canvas_.Dc(), area.left, area.top, area.width, area.height);
  const std::vector<DWORD> after = canvas_.Pixels();
  const std::vector<DWORD> wanted =
      ExpectedAfter(before, canvas_.Width(), area, {0, 0, canvas_.Width(), canvas_.Height()}, face, relief);
  EXPECT_EQ("", FirstDifference(after, wanted, canvas_.Width()));
  EXPECT_NE(after.end(), std::find(after.begin(), after.end(), PixelOf(face)));
  EXPECT_NE(after.end(), std::find(after.begin(), after.end(), PixelOf(relief)));
}

TEST_F(BackgroundPicture, PutsThePosterInTheAreasBottomRightCornerClippedToTheArea) {
  const int pw = Poster().width;
  const int ph = Poster().height;
  struct Case {
    TArea area;
    const char* reason;
  } cases[] = {
      {{0, 0, 320, 200}, "a dialog's client area: the poster in its bottom-right corner"},
      {{10, 20, 200, 150}, "an area away from the origin"},
      {{0, 0, 320, 180}, "a client area less a status bar: the poster sits above the bar"},
      {{30, 40, pw, ph}, "an area the poster's size"},
      {{100, 100, 50, 30}, "a smaller area shows only the poster's bottom-right part"},
      {{100, 100, pw - 1, ph}, "one column narrower: the poster's first column goes"},
      {{100, 100, pw, 1}, "one row high: only the poster's last row"},
      {{-40, -30, 100, 80}, "an area partly before the device's origin"},
      {{100, 100, 0, 0}, "an empty area shows nothing"},
      {{100, 100, -20, -20}, "a negative size counts as empty"},
  };
  for (const auto& c : cases) {
    TBackgroundPicture picture;
    PaintPosterColours(picture);
    canvas_.Fill(Ground);
    const std::vector<DWORD> before = canvas_.Pixels();
    DrawBackground(picture, canvas_.Dc(), c.area.left, c.area.top, c.area.width, c.area.height);
    const std::vector<DWORD> wanted =
        ExpectedAfter(before, canvas_.Width(), c.area, {-1000, -1000, 5000, 5000}, kTestGround,
                      MeanColour(kTestGround, kTestHighlight));
    EXPECT_EQ("", FirstDifference(canvas_.Pixels(), wanted, canvas_.Width())) << c.reason;
  }
}

TEST_F(BackgroundPicture, PiecePaintsExactlyThePieceOverWhatWasThere) {
  const TArea area = {0, 0, 320, 200};
  struct Case {
    TArea area;
    TArea piece;
    const char* reason;
  } cases[] = {
      {area, {200, 140, 60, 30}, "a piece over the poster's top-left part"},
      {area, {150, 150, 300, 19}, "a menu-item row reaching past the area and the canvas"},
      {area, {0, 0, 50, 50}, "a piece far from the poster changes nothing"},
      {area, {250, 181, 70, 19}, "the last item of a menu"},
      {area, {319, 199, 1, 1}, "the area's last pixel"},
      {{20, 30, 80, 50}, {40, 40, 100, 20}, "an area smaller than the poster, painted in pieces"},
      {area, {200, 140, 0, 30}, "an empty piece changes nothing"},
      {area, {200, 140, 60, -5}, "a piece of negative height changes nothing"},
  };
  for (const auto& c : cases) {
    TBackgroundPicture picture;
    PaintPosterColours(picture);
    canvas_.Fill(Ground);
    const std::vector<DWORD> before = canvas_.Pixels();
    DrawBackgroundPiece(picture, canvas_.Dc(), c.area.left, c.area.top, c.area.width, c.area.height, c.piece.left,
                        c.piece.top, c.piece.width, c.piece.height);
    const std::vector<DWORD> wanted = ExpectedAfter(before, canvas_.Width(), c.area, c.piece, kTestGround,
                                                    MeanColour(kTestGround, kTestHighlight));
    EXPECT_EQ("", FirstDifference(canvas_.Pixels(), wanted, canvas_.Width())) << c.reason;
  }
}

TEST_F(BackgroundPicture, PiecesOfAMenuAddUpToTheWholePicture) {
  // A menu paints item by item, each piece being the item's rectangle.
  TBackgroundPicture picture;
  PaintPosterColours(picture);
  const int width = 180;
  const int height = 8 * 19 + 5;
  for (int top = 0; top < height; top += 19) {
    DrawBackgroundPiece(picture, canvas_.Dc(), 0, 0, width, height, 0, top, width, std::min(19, height - top));
  }
  const std::vector<DWORD> pieces = canvas_.Pixels();
  canvas_.Fill(Ground);
  DrawBackground(picture, canvas_.Dc(), 0, 0, width, height);
  EXPECT_EQ("", FirstDifference(pieces, canvas_.Pixels(), canvas_.Width()));
}

TEST_F(BackgroundPicture, PutsBackTheContextsPaletteAndBitmap) {
  TBackgroundPicture picture;
  PaintPosterColours(picture);
  ASSERT_NE(nullptr, picture.Palette());
  const HGDIOBJ palette = GetCurrentObject(canvas_.Dc(), OBJ_PAL);
  DrawBackground(picture, canvas_.Dc(), 0, 0, 320, 200);
  EXPECT_EQ(palette, GetCurrentObject(canvas_.Dc(), OBJ_PAL));
  EXPECT_EQ(canvas_.Bitmap(), GetCurrentObject(canvas_.Dc(), OBJ_BITMAP));
  DrawBackgroundPiece(picture, canvas_.Dc(), 0, 0, 320, 200, 200, 140, 100, 40);
  EXPECT_EQ(palette, GetCurrentObject(canvas_.Dc(), OBJ_PAL));
  EXPECT_EQ(canvas_.Bitmap(), GetCurrentObject(canvas_.Dc(), OBJ_BITMAP));
}

TEST_F(BackgroundPicture, AMissingBitmapDrawsNothing) {
  TBackgroundPicture picture;
  PaintPosterColours(picture);
  const HPALETTE oldPalette = picture.Palette();
  ASSERT_EQ(OBJ_PAL, static_cast<int>(GetObjectType(oldPalette)));
  EXPECT_FALSE(picture.LoadPoster(GetModuleHandleA(nullptr), "NO_SUCH_POSTER"));
  EXPECT_FALSE(picture.HasPoster());
  EXPECT_EQ(nullptr, picture.PosterInfo());
  EXPECT_EQ(nullptr, picture.Palette());
  EXPECT_EQ(CLR_INVALID, picture.PosterColour(0));
  EXPECT_EQ(0u, GetObjectType(oldPalette)) << "the old palette is deleted with the old poster";
  picture.SetPosterColours(kTestGround, kTestHighlight);  // nothing to colour
  EXPECT_EQ(nullptr, picture.Palette());
  const std::vector<DWORD> before = canvas_.Pixels();
  DrawBackground(picture, canvas_.Dc(), 0, 0, 320, 200);
  DrawBackgroundPiece(picture, canvas_.Dc(), 0, 0, 320, 200, 0, 0, 320, 200);
  EXPECT_EQ("", FirstDifference(canvas_.Pixels(), before, canvas_.Width()));
}

TEST_F(BackgroundPicture, RefusesBitmapsItCannotUseAndDrawsNothingForThem) {
  const std::vector<BYTE>& good = Poster().packed;
  ASSERT_GE(good.size(), sizeof(BITMAPINFOHEADER));
  struct Case {
    std::function<void(std::vector<BYTE>&)> spoil;
    const char* reason;
  } cases[] = {
      {[](std::vector<BYTE>& b) { b.resize(b.size() - 1); }, "the last byte of the bits is missing"},
      {[](std::vector<BYTE>& b) { b.resize(sizeof(BITMAPINFOHEADER)); }, "a header without table or bits"},
      {[](std::vector<BYTE>& b) { b.resize(20); }, "less than a header"},
      {[](std::vector<BYTE>& b) { b.clear(); }, "nothing at all"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biSize = 0x7FFFFFF0; },
       "a header claiming to be larger than the bitmap"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biSize = 12; },
       "a header too small to be one"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biBitCount = 24; },
       "no colour table to recolour"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biCompression = BI_RLE8; },
       "compressed bits"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biPlanes = 2; }, "two planes"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biWidth = 0; }, "no width"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biWidth = -5; }, "negative width"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biHeight = 0; }, "no height"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biHeight = LONG(0x80000000); },
       "a height whose magnitude has no int"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biWidth = 100000; },
       "a width beyond any poster"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biClrUsed = 1; },
       "one colour: no relief"},
      {[](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biClrUsed = 3; },
       "more colours than one bit can index"},
  };
  for (const auto& c : cases) {
    std::vector<BYTE> bytes = good;
    c.spoil(bytes);
    TBackgroundPicture picture;
    EXPECT_FALSE(picture.SetPoster(bytes.data(), bytes.size())) << c.reason;
    EXPECT_FALSE(picture.HasPoster()) << c.reason;
    EXPECT_EQ(nullptr, picture.Palette()) << c.reason;
    canvas_.Fill(Ground);
    const std::vector<DWORD> before = canvas_.Pixels();
    DrawBackground(picture, canvas_.Dc(), 0, 0, 320, 200);
    EXPECT_EQ("", FirstDifference(canvas_.Pixels(), before, canvas_.Width())) << c.reason;
  }
  TBackgroundPicture picture;
  EXPECT_FALSE(picture.SetPoster(nullptr, 100)) << "no bitmap";
}

TEST_F(BackgroundPicture, TopDownAndDeeperBitmapsDrawLikeTheResource) {
  // The same picture stored top-down, or with a byte per pixel, must look the
  // same: the table's entries 0 and 1 are what counts.
  const TPosterPattern& poster = Poster();
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = poster.width;
  header.biPlanes = 1;
  header.biCompression = BI_RGB;
  const auto packed = [&](int depth, bool topDown) {
    BITMAPINFOHEADER h = header;
    h.biBitCount = static_cast<WORD>(depth);
    h.biHeight = topDown ? -poster.height : poster.height;
    h.biClrUsed = depth == 8 ? 4 : 0;  // a table shorter than 256, entries 2 and 3 unused
    const size_t colours = h.biClrUsed != 0 ? h.biClrUsed : size_t{1} << depth;
    const size_t stride = (static_cast<size_t>(poster.width) * depth + 31) / 32 * 4;
    std::vector<BYTE> bytes(sizeof h + colours * sizeof(RGBQUAD) + stride * poster.height);
    std::memcpy(bytes.data(), &h, sizeof h);
    BYTE* bits = bytes.data() + sizeof h + colours * sizeof(RGBQUAD);
    for (int y = 0; y < poster.height; ++y) {
      BYTE* row = bits + stride * static_cast<size_t>(topDown ? y : poster.height - 1 - y);
      for (int x = 0; x < poster.width; ++x) {
        const int bit = x * depth;
        row[bit / 8] |= static_cast<BYTE>(poster.At(x, y) << (8 - depth - bit % 8));
      }
    }
    return bytes;
  };
  struct Case {
    int depth;
    bool topDown;
    const char* reason;
  } cases[] = {
      {1, true, "one bit per pixel, top-down"},
      {4, false, "four bits per pixel"},
      {8, true, "a byte per pixel, top-down, with a short table"},
  };
  const TArea area = {10, 10, 200, 150};
  const std::vector<DWORD> wanted =
      ExpectedAfter(canvas_.Pixels(), canvas_.Width(), area, {50, 60, 300, 25}, kTestGround, kTestHighlight);
  for (const auto& c : cases) {
    const std::vector<BYTE> bytes = packed(c.depth, c.topDown);
    TBackgroundPicture picture;
    ASSERT_TRUE(picture.SetPoster(bytes.data(), bytes.size())) << c.reason;
    picture.SetPosterColours(kTestGround, kTestHighlight);
    canvas_.Fill(Ground);
    // A piece that cuts the poster across, so that a row read upside down shows.
    DrawBackgroundPiece(picture, canvas_.Dc(), area.left, area.top, area.width, area.height, 50, 60, 300, 25);
    EXPECT_EQ("", FirstDifference(canvas_.Pixels(), wanted, canvas_.Width())) << c.reason;
  }
}

TEST_F(BackgroundPicture, RecolouringAfterASchemeChangeShowsAtTheNextPaint) {
  // A picture coloured for menus, then again for shapes, as after a change of
  // the colours it depends on: the second colouring replaces the first.
  TBackgroundPicture picture;
  RecolourPicture(picture, kTestGround, kTestHighlight);
  const HPALETTE first = picture.Palette();
  RecolourPicture(picture, RGB(0x80, 0x20, 0x10), RGB(0x00, 0x40, 0xF0));
  EXPECT_EQ(0u, GetObjectType(first)) << "the palette of the old colours is deleted";
  const std::vector<DWORD> before = canvas_.Pixels();
  DrawBackground(picture, canvas_.Dc(), 0, 0, 320, 200);
  const std::vector<DWORD> wanted = ExpectedAfter(before, canvas_.Width(), {0, 0, 320, 200}, {0, 0, 340, 220},
                                                  RGB(0x80, 0x20, 0x10), RGB(0x40, 0x30, 0x80));
  EXPECT_EQ("", FirstDifference(canvas_.Pixels(), wanted, canvas_.Width()));

  RecolourForMenus(picture);
  RecolourForShapes(picture);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), picture.PosterColour(0));
}

TEST_F(BackgroundPicture, RecolouringTheSharedPicturesTakesTheSystemColoursAgain) {
  TBackgroundPicture* shape = ShapeBackground();
  TBackgroundPicture* menu = MenuBackground();
  // Colours that no scheme of the test prefix has, standing for the old scheme.
  RecolourPicture(*shape, RGB(1, 2, 3), RGB(4, 5, 6));
  RecolourPicture(*menu, RGB(7, 8, 9), RGB(10, 11, 12));
  RecolourBackgroundPictures();
  EXPECT_EQ(shape, ShapeBackground());
  EXPECT_EQ(menu, MenuBackground());
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), shape->PosterColour(0));
  EXPECT_EQ(MeanColour(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT)), shape->PosterColour(1));
  EXPECT_EQ(GetSysColor(COLOR_MENU), menu->PosterColour(0));
  EXPECT_EQ(MeanColour(GetSysColor(COLOR_MENU), GetSysColor(COLOR_BTNHIGHLIGHT)), menu->PosterColour(1));
}

TEST_F(BackgroundPicture, SharedPicturesAreMadeOnceAndAfreshAfterRelease) {
  TBackgroundPicture* shape = ShapeBackground();
  TBackgroundPicture* menu = MenuBackground();
  ASSERT_NE(nullptr, shape);
  ASSERT_NE(nullptr, menu);
  EXPECT_NE(shape, menu);
  EXPECT_EQ(shape, ShapeBackground()) << "one picture for all shapes";
  EXPECT_EQ(menu, MenuBackground()) << "one picture for all menus";
  EXPECT_TRUE(shape->HasPoster());
  EXPECT_EQ(4, shape->HorizontalPlace());
  EXPECT_EQ(4, shape->VerticalPlace());
  const HPALETTE shapePalette = shape->Palette();
  const HPALETTE menuPalette = menu->Palette();
  ASSERT_EQ(OBJ_PAL, static_cast<int>(GetObjectType(shapePalette)));
  ASSERT_EQ(OBJ_PAL, static_cast<int>(GetObjectType(menuPalette)));

  // The program's end releases them with the modeless shapes.
  CloseAllModeless();
  EXPECT_EQ(0u, GetObjectType(shapePalette));
  EXPECT_EQ(0u, GetObjectType(menuPalette));

  TBackgroundPicture* again = ShapeBackground();
  ASSERT_NE(nullptr, again);
  ASSERT_TRUE(again->HasPoster());
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), again->PosterColour(0));
  const std::vector<DWORD> before = canvas_.Pixels();
  DrawBackground(*again, canvas_.Dc(), 0, 0, 320, 200);
  EXPECT_NE(before, canvas_.Pixels()) << "a picture made afresh draws";
  ReleaseBackgroundPictures();
  ReleaseBackgroundPictures();  // twice is harmless
  RecolourBackgroundPictures();  // with none made, nothing to do
}

TEST_F(BackgroundPicture, KeepsNoGdiObjectsOver1000Draws) {
  TBackgroundPicture* picture = ShapeBackground();
  // Warm up once, so that whatever GDI keeps for itself is already made.
  DrawBackground(*picture, canvas_.Dc(), 0, 0, 320, 200);
  DrawBackgroundPiece(*picture, canvas_.Dc(), 0, 0, 320, 200, 200, 140, 100, 40);
  const long before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) {
    DrawBackground(*picture, canvas_.Dc(), 0, 0, 320, 200);
    DrawBackgroundPiece(*picture, canvas_.Dc(), 0, 0, 320, 200, 200, 140 + i % 40, 100, 19);
    if (i % 10 == 0) RecolourBackgroundPictures();
  }
  EXPECT_LE(GdiObjectCount() - before, 2) << "a leak per draw would show as hundreds";
}

TEST(IsPaletteDisplay, TrueColourContextsAreNotPaletteBased) {
  // Wine offers no palette-based context here (screen, memory, 8-bit DIB
  // memory, display and metafile contexts all answer true colour), so only
  // this side of the answer can be seen.
  HDC screen = GetDC(nullptr);
  ASSERT_NE(nullptr, screen);
  const int depth = GetDeviceCaps(screen, BITSPIXEL);
  TMemoryDc memory(CreateCompatibleDC(screen));
  ReleaseDC(nullptr, screen);
  if (depth <= 8) GTEST_SKIP() << "this display has " << depth << " bits per pixel";
  EXPECT_FALSE(IsPaletteDisplay(memory.Get()));
}
