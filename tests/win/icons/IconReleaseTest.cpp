#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "framework/base/SharedResources.h"
#include "framework/icons/IconFactories.h"
#include "framework/path/SystemFolders.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

class IconRelease : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseSharedResources();
    ASSERT_TRUE(folder_.WriteFile("loop.ico", IconFileBytes("CANCEL_ICON")));
    iconPath_ = TString(folder_.File("loop.ico").c_str());
  }
  void TearDown() override { ReleaseSharedResources(); }

  TShellTestFolder folder_;
  TString iconPath_;
};

// One request to the factories, of a kind picked by `i`, the way menus and
// lists ask while they paint.
void Request(int i, const TString& iconPath, TIconSource* fallback) {
  static const int kStock[] = {32512, 32513, 32514, 32515, 32516, 32517};
  static const char* const kOwn[] = {"APPLICATION_ICON", "CANCEL_ICON", "CLOSE_ICON", "AUTOTRAYICON_ICON"};
  const TString shell = SystemFolder() + "SHELL32.DLL";
  const TString files[] = {WindowsFolder() + "notepad.exe", WindowsFolder() + "win.ini",
                           SystemFolder(), "*.hlp", "Q:\\docs\\a.txt", "\\\\nohost\\share\\dir\\", ""};
  const int kind = i % 2;
  switch (i % 10) {
    case 0: StockIcon(kStock[i % 6])->GetIcon(kind); break;
    case 1: OwnResourceIcon(kOwn[i % 4])->GetIcon(kind); break;
    case 2: ModuleIcon(shell, i % 7 - 3)->GetIcon(i % 4); break;
    case 3: FileIcon(files[i % 7])->GetIcon(kind); break;
    case 4: ShellTypeIcon(i % 3 ? "*.txt" : "C:\\folder\\")->GetIcon(kind); break;
    case 5: ClassIcon("hlpfile")->GetIcon(kind); break;
    case 6: IconFile(iconPath)->GetIcon(kind); break;
    case 7: FileIcon(files[i % 7], fallback)->GetIcon(kind, fallback); break;
    case 8: ShellFileIcon(SystemFolder() + "user32.dll")->GetIcon(kind); break;
    default: ModuleIcon(shell, i % 3)->CreateIcon(24, 24, fallback); break;  // destroyed at once
  }
}

struct Counts {
  long gdi;
  long user;
};

Counts Measure() { return {GdiObjectCount(), UserObjectCount()}; }

}  // namespace

TEST_F(IconRelease, ReleaseDestroysMadeIconsButNeverSharedOnes) {
  const TString shell = SystemFolder() + "SHELL32.DLL";
  const std::vector<HICON> made = {
      OwnResourceIcon("APPLICATION_ICON")->GetIcon(kSmallIcon),
      ModuleIcon(shell, 0)->GetIcon(kLargeIcon),
      StockIcon(32512)->GetIcon(kSmallIcon),  // the copy
      FileIcon(WindowsFolder() + "notepad.exe")->GetIcon(kSmallIcon),
      ShellTypeIcon("*.txt")->GetIcon(kLargeIcon),
      IconFile(iconPath_)->GetIcon(kLargeIcon),
  };
  HICON shared = StockIcon(32512)->GetIcon(kLargeIcon);
  for (HICON icon : made) ASSERT_TRUE(IsLiveIcon(icon));
  ReleaseSharedResources();
  for (HICON icon : made) EXPECT_FALSE(IsLiveIcon(icon));
  EXPECT_TRUE(IsLiveIcon(shared));
  EXPECT_EQ(shared, LoadIconA(nullptr, IDI_APPLICATION));
  // The factories start afresh.
  EXPECT_EQ(16, IconSize(OwnResourceIcon("APPLICATION_ICON")->GetIcon(kSmallIcon)).cx);
}

TEST_F(IconRelease, TenThousandRequestsHoldObjectCountsFlat) {
  const TIconHandle fallbackSmall(MakeSolidIcon(16, 0xFF0000));
  struct Fallback : TIconSource {
    HICON icon;
    explicit Fallback(HICON i) : icon(i) {}
    HICON GetIcon(int, TIconSource*) override { return icon; }
  } fallback(fallbackSmall.Get());

  // Warm-up: the shell and the system build their own caches once.
  for (int i = 0; i < 200; ++i) Request(i, iconPath_, &fallback);
  ReleaseSharedResources();
  const Counts start = Measure();

  for (int i = 0; i < 200; ++i) Request(i, iconPath_, &fallback);
  const Counts filled = Measure();
  // The measure must see the cached icons, or flatness would prove nothing.
  EXPECT_GT(filled.gdi - start.gdi, 20);

  for (int i = 0; i < 10000; ++i) Request(i, iconPath_, &fallback);
  const Counts after = Measure();
  EXPECT_LE(std::labs(after.gdi - filled.gdi), 4) << "GDI objects";
  EXPECT_LE(std::labs(after.user - filled.user), 4) << "USER objects";

  ReleaseSharedResources();
  const Counts end = Measure();
  EXPECT_LE(std::labs(end.gdi - start.gdi), 4) << "GDI objects";
  EXPECT_LE(std::labs(end.user - start.user), 4) << "USER objects";
}
