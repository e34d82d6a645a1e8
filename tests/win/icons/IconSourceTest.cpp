#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/base/Owners.h"
#include "framework/icons/HandleIcon.h"
#include "framework/icons/IconFile.h"
#include "framework/icons/ResourceIcon.h"
#include "framework/icons/ShellFileIcon.h"
#include "framework/icons/ShellTypeIcon.h"
#include "framework/icons/StockIcon.h"
#include "framework/path/SystemFolders.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kGreen = 0x00FF00;

std::unique_ptr<THandleIcon> SolidSource(unsigned smallRgb, unsigned largeRgb) {
  return std::make_unique<THandleIcon>(TIconHandle(MakeSolidIcon(16, smallRgb)),
                                       TIconHandle(MakeSolidIcon(32, largeRgb)));
}

// Answers every kind with an icon of its own, as a module icon does.
class EveryKindSource : public TIconSource {
 public:
  HICON GetIcon(int kind, TIconSource* = nullptr) override {
    return kind >= 0 && kind < kIconKindCount ? icons_[kind].Get() : nullptr;
  }

 private:
  TIconHandle icons_[kIconKindCount] = {TIconHandle(MakeSolidIcon(16, kRed)),
                                        TIconHandle(MakeSolidIcon(32, kRed)),
                                        TIconHandle(MakeSolidIcon(32, kGreen)),
                                        TIconHandle(MakeSolidIcon(48, kBlue))};
};

struct NamedSource {
  std::string name;
  std::unique_ptr<TIconSource> source;
};

class IconSources : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.WriteFile("アイコン表.ico", IconFileBytes("APPLICATION_ICON")));
    iconPath_ = folder_.File("アイコン表.ico");
  }

  std::vector<NamedSource> EverySource() const {
    HINSTANCE self = GetModuleHandleA(nullptr);
    std::vector<NamedSource> sources;
    sources.push_back({"stock", std::make_unique<TStockIcon>(32516)});
    sources.push_back({"resource", std::make_unique<TResourceIcon>(self, "APPLICATION_ICON")});
    sources.push_back({"icon file", std::make_unique<TIconFile>(TString(iconPath_.c_str()))});
    sources.push_back({"shell file", std::make_unique<TShellFileIcon>(WindowsFolder() + "notepad.exe")});
    sources.push_back({"shell folder", std::make_unique<TShellFileIcon>(SystemFolder())});
    sources.push_back({"shell type", std::make_unique<TShellTypeIcon>("Q:\\x\\*.txt")});
    sources.push_back({"shell type folder", std::make_unique<TShellTypeIcon>("\\\\nohost\\share\\dir\\")});
    sources.push_back({"handles", SolidSource(kRed, kBlue)});
    sources.push_back({"small handle only",
                       std::make_unique<THandleIcon>(TIconHandle(MakeSolidIcon(16, kRed)), TIconHandle())});
    sources.push_back({"large handle only",
                       std::make_unique<THandleIcon>(TIconHandle(), TIconHandle(MakeSolidIcon(32, kBlue)))});
    return sources;
  }

  TShellTestFolder folder_;
  std::string iconPath_;
};

}  // namespace

TEST_F(IconSources, EveryKindGivesSmallAndLargeAndKeepsThem) {
  for (const NamedSource& entry : EverySource()) {
    for (int kind : {kSmallIcon, kLargeIcon}) {
      const int size = kind == kSmallIcon ? 16 : 32;
      HICON icon = entry.source->GetIcon(kind);
      const SIZE measured = IconSize(icon);
      EXPECT_EQ(size, measured.cx) << entry.name << " kind " << kind;
      EXPECT_EQ(size, measured.cy) << entry.name << " kind " << kind;
      EXPECT_EQ(icon, entry.source->GetIcon(kind)) << entry.name << ": made again";
    }
  }
}

TEST_F(IconSources, CreateIconGivesTheCallerANewIconOfAnySize) {
  for (const NamedSource& entry : EverySource()) {
    for (const SIZE size : {SIZE{24, 24}, SIZE{48, 48}, SIZE{16, 16}, SIZE{20, 12}}) {
      const TIconHandle made = entry.source->CreateIcon(size.cx, size.cy);
      const SIZE measured = IconSize(made.Get());
      EXPECT_EQ(size.cx, measured.cx) << entry.name;
      EXPECT_EQ(size.cy, measured.cy) << entry.name;
      EXPECT_NE(made.Get(), entry.source->GetIcon(kSmallIcon)) << entry.name;
      EXPECT_NE(made.Get(), entry.source->GetIcon(kLargeIcon)) << entry.name;
    }
  }
}

TEST_F(IconSources, OtherKindsGoToTheFallback) {
  EveryKindSource fallback;
  for (const NamedSource& entry : EverySource()) {
    for (int kind : {kDefaultSizeIcon, kOwnSizeIcon}) {
      EXPECT_EQ(nullptr, entry.source->GetIcon(kind)) << entry.name << " kind " << kind;
      ASSERT_NE(nullptr, fallback.GetIcon(kind));
      EXPECT_EQ(fallback.GetIcon(kind), entry.source->GetIcon(kind, &fallback)) << entry.name;
    }
    for (int kind : {4, -1, 1000}) {
      EXPECT_EQ(nullptr, entry.source->GetIcon(kind, &fallback)) << entry.name << " kind " << kind;
    }
  }
}

TEST_F(IconSources, CreateIconStartsFromTheLargeIconAbove256Pixels) {
  const auto source = SolidSource(kRed, kBlue);
  const struct {
    int width;
    int height;
    long rgb;
  } cases[] = {
      {24, 24, kBlue},  // 576
      {16, 17, kBlue},  // 272
      {16, 16, kRed},   // 256
      {8, 32, kRed},    // 256
      {4, 4, kRed},
  };
  for (const auto& c : cases) {
    const TIconHandle made = source->CreateIcon(c.width, c.height);
    EXPECT_EQ(c.rgb, CentreColour(made.Get())) << c.width << "x" << c.height;
  }
}

TEST_F(IconSources, MissingIconsGiveTheFallbacksIcons) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  const auto fallback = SolidSource(kRed, kBlue);
  std::vector<NamedSource> missing;
  missing.push_back({"resource", std::make_unique<TResourceIcon>(self, "NO_SUCH_ICON")});
  missing.push_back({"resource id", std::make_unique<TResourceIcon>(self, MAKEINTRESOURCEA(4242))});
  missing.push_back({"icon file", std::make_unique<TIconFile>(TString(folder_.File("none.ico").c_str()))});
  missing.push_back({"not an icon file", std::make_unique<TIconFile>(WindowsFolder() + "win.ini")});
  missing.push_back({"empty path", std::make_unique<TIconFile>("")});
  missing.push_back({"missing file", std::make_unique<TShellFileIcon>("C:\\no\\such\\file.txt")});
  missing.push_back({"no handles", std::make_unique<THandleIcon>(TIconHandle(), TIconHandle())});
  for (const NamedSource& entry : missing) {
    EXPECT_EQ(nullptr, entry.source->GetIcon(kSmallIcon)) << entry.name;
    EXPECT_EQ(fallback->GetIcon(kSmallIcon), entry.source->GetIcon(kSmallIcon, fallback.get())) << entry.name;
    EXPECT_EQ(fallback->GetIcon(kLargeIcon), entry.source->GetIcon(kLargeIcon, fallback.get())) << entry.name;
    EXPECT_FALSE(entry.source->CreateIcon(24, 24)) << entry.name;
    const TIconHandle made = entry.source->CreateIcon(24, 24, fallback.get());
    EXPECT_EQ(static_cast<long>(kBlue), CentreColour(made.Get())) << entry.name;
  }
}

TEST_F(IconSources, StockLargeIconIsSharedAndOutlivesTheSource) {
  HICON shared = LoadIconA(nullptr, IDI_APPLICATION);
  HICON small = nullptr;
  {
    TStockIcon stock(32512);
    EXPECT_EQ(shared, stock.GetIcon(kLargeIcon));
    small = stock.GetIcon(kSmallIcon);
    EXPECT_NE(shared, small);
    EXPECT_EQ(16, IconSize(small).cx);
  }
  EXPECT_TRUE(IsLiveIcon(shared));
  EXPECT_FALSE(IsLiveIcon(small));
  EXPECT_EQ(nullptr, TStockIcon(1).GetIcon(kLargeIcon));  // no such stock icon
}

// Predefined icons load only as shared images: every size is a copy the
// caller owns, and destroying it leaves the shared icon alive.
TEST_F(IconSources, StockIconsComeAtAnySizeAsCopies) {
  HICON shared = LoadIconA(nullptr, IDI_WARNING);
  ASSERT_NE(nullptr, shared);
  struct Case {
    int width, height;
    UINT flags;
    LONG expected;
  } cases[] = {
      {16, 16, 0, 16}, {24, 24, 0, 24}, {32, 32, 0, 32}, {48, 48, 0, 48},
      {0, 0, LR_DEFAULTSIZE, GetSystemMetrics(SM_CXICON)},
  };
  for (const Case& c : cases) {
    TIconHandle icon = LoadStockIconSized(32515 /* IDI_WARNING */, c.width, c.height, c.flags);
    ASSERT_TRUE(icon) << c.width;
    EXPECT_NE(shared, icon.Get());
    EXPECT_EQ(c.expected, IconSize(icon.Get()).cx) << c.width;
    EXPECT_EQ(c.expected, IconSize(icon.Get()).cy) << c.width;
  }
  EXPECT_TRUE(IsLiveIcon(shared));
  EXPECT_FALSE(LoadStockIconSized(1, 16, 16, 0));  // no such stock icon
}

TEST_F(IconSources, SourcesDestroyTheIconsTheyMade) {
  std::vector<HICON> made;
  {
    const std::vector<NamedSource> sources = EverySource();
    for (const NamedSource& entry : sources) {
      if (entry.name == "stock") continue;  // its large icon is the system's
      made.push_back(entry.source->GetIcon(kSmallIcon));
      made.push_back(entry.source->GetIcon(kLargeIcon));
    }
    for (HICON icon : made) EXPECT_TRUE(IsLiveIcon(icon));
  }
  for (HICON icon : made) EXPECT_FALSE(IsLiveIcon(icon));
}

TEST_F(IconSources, HandleIconOwnsWhatItIsGivenAndCopiesTheMissingSize) {
  HICON small = MakeSolidIcon(16, kRed);
  HICON copied = nullptr;
  {
    THandleIcon source{TIconHandle(small), TIconHandle()};
    EXPECT_EQ(small, source.GetIcon(kSmallIcon));
    copied = source.GetIcon(kLargeIcon);
    EXPECT_EQ(32, IconSize(copied).cx);
    EXPECT_EQ(static_cast<long>(kRed), CentreColour(copied));
  }
  EXPECT_FALSE(IsLiveIcon(small));
  EXPECT_FALSE(IsLiveIcon(copied));
}

TEST(IconHandle, MovesOwnershipAndDestroysOnce) {
  HICON icon = MakeSolidIcon(16, kRed);
  {
    TIconHandle first(icon);
    TIconHandle second(std::move(first));
    EXPECT_EQ(nullptr, first.Get());
    TIconHandle third;
    third = std::move(second);
    EXPECT_EQ(icon, third.Get());
    EXPECT_TRUE(IsLiveIcon(icon));
  }
  EXPECT_FALSE(IsLiveIcon(icon));
  HICON kept = MakeSolidIcon(16, kBlue);
  EXPECT_EQ(kept, TIconHandle(kept).Release());
  EXPECT_TRUE(IsLiveIcon(kept));
  DestroyIcon(kept);
}
