#include <windows.h>

#include <gtest/gtest.h>

#include "framework/base/Owners.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// The program's own icon resources, as linked into this test executable.
// Menus, buttons and the tray ask for them by name at 16x16 and 32x32, and
// draw them with DrawStateA (which uses the AND mask for disabled items) as
// well as with alpha: both must look right.

namespace {

const std::vector<const char*> kIconNames = {
    "APPLICATION_ICON",     "OK_ICON",
    "CANCEL_ICON",          "RENEW_ICON",
    "CLOSE_ICON",           "CURE_ICON",
    "AUTOTRAYICON_ICON",    "ALLRESTORE_ICON",
    "ALLTRAYICON_ICON",     "PLAY_ICON",
    "NEWFILE_ICON",         "EDITFILE_ICON",
    "COPY_ICON",            "DELETE_ICON",
    "OPENFILE_ICON",        "WINDOWTRAYICON_ICON",
    "WINDOWRESTORE_ICON",   "WINDOWMOVE_ICON",
    "WINDOWRESIZE_ICON",    "WINDOWICON_ICON",
    "WINDOWZOOM_ICON",      "WINDOWTOPMOST_ICON",
    "WINDOWPOSITION_ICON",  "WINDOWCENTERPOS_ICON",
    "WINDOWMOUSEPOS_ICON",  "WINDOWSERIALPOS_ICON",
    "WINDOWTRANSPARENT_ICON", "WINDOWCLOSE_ICON",
};

const std::vector<int> kSizes = {16, 32};

TIconHandle LoadOwnIcon(const char* name, int size) {
  return TIconHandle(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, 0)));
}

// Counts the transparent (set) bits of a size x size AND mask.
int TransparentMaskPixels(HBITMAP mask, int size) {
  TMemoryDc dc(CreateCompatibleDC(nullptr));
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = size;
  info.header.biHeight = -size;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  const int stride = (size + 31) / 32 * 4;
  std::vector<unsigned char> bits(static_cast<size_t>(stride) * size);
  if (GetDIBits(dc.Get(), mask, 0, size, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                DIB_RGB_COLORS) != size) {
    return -1;
  }
  int transparent = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (bits[y * stride + x / 8] & (0x80 >> (x % 8))) ++transparent;
    }
  }
  return transparent;
}

#pragma pack(push, 2)
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colourCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

struct ResourceBytes {
  const unsigned char* data = nullptr;
  DWORD size = 0;
};

ResourceBytes FindOwnResource(LPCSTR name, LPCSTR type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (!loaded) return {};
  return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

// The stored image of one size: its header, BGRA pixels bottom-up, AND mask.
struct StoredImage {
  BITMAPINFOHEADER header{};
  std::vector<unsigned char> pixels;
  std::vector<unsigned char> mask;
};

bool ReadStoredImage(const char* name, int size, StoredImage* image) {
  const ResourceBytes group = FindOwnResource(name, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (!group.data || group.size < sizeof(GroupIconHeader)) return false;
  GroupIconHeader header;
  std::memcpy(&header, group.data, sizeof header);
  if (group.size < sizeof header + header.count * sizeof(GroupIconEntry)) return false;
  for (WORD i = 0; i < header.count; ++i) {
    GroupIconEntry entry;
    std::memcpy(&entry, group.data + sizeof header + i * sizeof entry, sizeof entry);
    if (entry.width != size || entry.height != size || entry.bitCount != 32) continue;
    const ResourceBytes bits = FindOwnResource(MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));
    const size_t pixelBytes = static_cast<size_t>(size) * size * 4;
    const size_t maskBytes = static_cast<size_t>((size + 31) / 32 * 4) * size;
    if (!bits.data || bits.size < sizeof(BITMAPINFOHEADER) + pixelBytes + maskBytes) return false;
    std::memcpy(&image->header, bits.data, sizeof image->header);
    const unsigned char* pixels = bits.data + image->header.biSize;
    image->pixels.assign(pixels, pixels + pixelBytes);
    image->mask.assign(pixels + pixelBytes, pixels + pixelBytes + maskBytes);
    return true;
  }
  return false;
}

TEST(IconResources, EveryIconLoadsAtBothSizesWithAMask) {
  for (const char* name : kIconNames) {
    for (int size : kSizes) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(size));
      TIconHandle icon = LoadOwnIcon(name, size);
      ASSERT_NE(nullptr, icon.Get()) << "error " << GetLastError();

      ICONINFO info{};
      ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
      TBitmapHandle mask(info.hbmMask), colour(info.hbmColor);
      EXPECT_TRUE(info.fIcon);
      ASSERT_NE(nullptr, mask.Get());
      ASSERT_NE(nullptr, colour.Get()) << "a colour icon, not a monochrome one";

      BITMAP bitmap{};
      ASSERT_TRUE(GetObjectA(colour.Get(), sizeof bitmap, &bitmap));
      EXPECT_EQ(size, bitmap.bmWidth);
      EXPECT_EQ(size, bitmap.bmHeight);

      // Transparent somewhere, and yet a picture: neither all set nor all clear.
      const int transparent = TransparentMaskPixels(mask.Get(), size);
      EXPECT_GT(transparent, 0);
      EXPECT_LT(transparent, size * size / 2 + size * size / 3)
          << "the picture covers too little of the icon";
    }
  }
}

TEST(IconResources, UnknownNameDoesNotLoad) {
  TIconHandle icon = LoadOwnIcon("NO_SUCH_ICON", 16);
  EXPECT_EQ(nullptr, icon.Get());
}

TEST(IconResources, EverySizeIsStoredNativelyIn32BitsWithAlpha) {
  for (const char* name : kIconNames) {
    for (int size : kSizes) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(size));
      StoredImage image;
      ASSERT_TRUE(ReadStoredImage(name, size, &image)) << "no 32-bit image of this size";
      EXPECT_EQ(32, image.header.biBitCount);
      EXPECT_EQ(size, image.header.biWidth);
      EXPECT_EQ(2 * size, image.header.biHeight) << "colour plus mask";

      int clear = 0, opaque = 0;
      for (size_t i = 3; i < image.pixels.size(); i += 4) {
        clear += image.pixels[i] == 0;
        opaque += image.pixels[i] == 255;
      }
      EXPECT_GT(clear, 0) << "no transparent pixel in the alpha channel";
      EXPECT_GT(opaque, 0) << "no opaque pixel in the alpha channel";
    }
  }
}

TEST(IconResources, MaskAgreesWithAlphaForDrawingWithoutAlpha) {
  // Where a system draws the mask and the colours without blending (disabled
  // menu items, old display modes), a pixel is shown exactly when the mask
  // bit is clear: that must be the pixels that are at least half opaque, and
  // hidden pixels must carry black so that the XOR leaves the screen alone.
  for (const char* name : kIconNames) {
    for (int size : kSizes) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(size));
      StoredImage image;
      ASSERT_TRUE(ReadStoredImage(name, size, &image));
      const int stride = (size + 31) / 32 * 4;
      int disagreements = 0, colouredHoles = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const unsigned char* bgra = &image.pixels[(static_cast<size_t>(y) * size + x) * 4];
          const bool hidden = image.mask[y * stride + x / 8] & (0x80 >> (x % 8));
          disagreements += hidden == (bgra[3] >= 128);
          colouredHoles += bgra[3] == 0 && (bgra[0] | bgra[1] | bgra[2]) != 0;
        }
      }
      EXPECT_EQ(0, disagreements);
      EXPECT_EQ(0, colouredHoles);
    }
  }
}

TEST(IconResources, NoTwoIconsShareAPicture) {
  // A copied line in the resource script or the generator would give two
  // commands the same picture and still load fine.
  for (int size : kSizes) {
    std::vector<std::vector<unsigned char>> seen;
    for (const char* name : kIconNames) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(size));
      StoredImage image;
      ASSERT_TRUE(ReadStoredImage(name, size, &image));
      for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_NE(seen[i], image.pixels) << "same picture as " << kIconNames[i];
      }
      seen.push_back(image.pixels);
    }
  }
}

}  // namespace
