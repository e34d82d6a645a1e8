#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "framework/icons/IconFactories.h"
#include "framework/icons/ModuleCache.h"
#include "framework/icons/ModuleIconResource.h"
#include "framework/icons/StockIcon.h"
#include "framework/icons/pure/IconTablePosition.h"
#include "framework/path/SystemFolders.h"
#include "framework/text/LetterCase.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

TString ShellDll() { return SystemFolder() + "SHELL32.DLL"; }

// Icons of both sizes in two colours, for telling a fallback's icons apart.
class SolidFallback : public TIconSource {
 public:
  HICON GetIcon(int kind, TIconSource* = nullptr) override {
    return kind == kSmallIcon ? small_.Get() : kind == kLargeIcon ? large_.Get() : nullptr;
  }

 private:
  TIconHandle small_{MakeSolidIcon(16, 0xFF0000)};
  TIconHandle large_{MakeSolidIcon(32, 0x0000FF)};
};

class ModuleIcons : public ::testing::Test {
 protected:
  void TearDown() override { ReleaseIconSources(); }
};

}  // namespace

TEST_F(ModuleIcons, PositionsAndResourceIdsOfTheShellLibrary) {
  TModuleEntry* shell = FindModuleEntry(ShellDll());
  ASSERT_NE(nullptr, shell);
  const auto& names = shell->Table().Names();
  ASSERT_GT(names.size(), 3u);

  HICON first = ModuleIcon(ShellDll(), 0)->GetIcon(kSmallIcon);
  HICON fourth = ModuleIcon(ShellDll(), 3)->GetIcon(kSmallIcon);
  EXPECT_EQ(16, IconSize(first).cx);
  EXPECT_EQ(16, IconSize(fourth).cx);
  EXPECT_NE(first, fourth);
  EXPECT_EQ(32, IconSize(ModuleIcon(ShellDll(), 3)->GetIcon(kLargeIcon)).cx);
  const TIconHandle direct = LoadModuleIconResource(shell->Handle(), names[3], 16, 16, 0);
  EXPECT_EQ(ReadIconPixels(direct.Get()), ReadIconPixels(fourth));

  // -35 names resource 35 wherever the table lists it; both share its icons.
  const size_t position = IconTablePosition(names, -35);
  ASSERT_TRUE(names[position] == TResourceName(35u));
  for (int kind : {kSmallIcon, kLargeIcon, kDefaultSizeIcon, kOwnSizeIcon}) {
    EXPECT_EQ(ModuleIcon(ShellDll(), static_cast<int>(position))->GetIcon(kind),
              ModuleIcon(ShellDll(), -35)->GetIcon(kind))
        << kind;
  }
}

TEST_F(ModuleIcons, IndexesThatNameNothingGiveTheFirstIcon) {
  TModuleEntry* shell = FindModuleEntry(ShellDll());
  ASSERT_NE(nullptr, shell);
  std::set<unsigned> ids;
  for (const TResourceName& name : shell->Table().Names()) {
    if (name.IsNumeric()) ids.insert(name.Id());
  }
  int unused = 1;
  while (ids.count(static_cast<unsigned>(unused)) != 0) ++unused;

  HICON first = ModuleIcon(ShellDll(), 0)->GetIcon(kLargeIcon);
  const int count = static_cast<int>(shell->Table().Count());
  for (int index : {count, count + 1, 100000, INT_MAX, -unused, -70000, INT_MIN}) {
    EXPECT_EQ(first, ModuleIcon(ShellDll(), index)->GetIcon(kLargeIcon)) << index;
  }
}

TEST_F(ModuleIcons, DefaultAndOwnSizeKinds) {
  TIconSource* source = ModuleIcon(ShellDll(), 0);
  HICON standard = source->GetIcon(kDefaultSizeIcon);
  EXPECT_EQ(GetSystemMetrics(SM_CXICON), IconSize(standard).cx);
  HICON own = source->GetIcon(kOwnSizeIcon);
  EXPECT_GT(IconSize(own).cx, 0);
  EXPECT_NE(own, source->GetIcon(kLargeIcon));  // a slot of its own
  EXPECT_EQ(nullptr, source->GetIcon(kIconKindCount));
}

TEST_F(ModuleIcons, CreateIconMakesANewIconForTheCaller) {
  TIconSource* source = ModuleIcon(ShellDll(), 3);
  const TIconHandle made = source->CreateIcon(24, 24);
  EXPECT_EQ(24, IconSize(made.Get()).cx);
  EXPECT_EQ(24, IconSize(made.Get()).cy);
  const TIconHandle again = source->CreateIcon(24, 24);
  EXPECT_NE(made.Get(), again.Get());
}

TEST_F(ModuleIcons, HowEachModuleIsHeld) {
  TModuleEntry* self = FindModuleEntry(TString(SiblingProgram("unit_tests.exe").c_str()));
  ASSERT_NE(nullptr, self);
  EXPECT_TRUE(self->Borrowed());
  EXPECT_EQ(GetModuleHandleA(nullptr), self->Handle());

  TModuleEntry* shell = FindModuleEntry(ShellDll());
  ASSERT_NE(nullptr, shell);
  EXPECT_FALSE(shell->Borrowed());
  EXPECT_EQ(kLoadedAsLibrary, shell->LoadMode());

  TModuleEntry* other = FindModuleEntry(TString(SiblingProgram("iconless.exe").c_str()));
  ASSERT_NE(nullptr, other);
  EXPECT_FALSE(other->Borrowed());
  EXPECT_EQ(kMappedAsData, other->LoadMode());
}

TEST_F(ModuleIcons, AnySpellingOfAPathIsOneModule) {
  const TString lower = ToLowerLetters(ShellDll());
  EXPECT_EQ(FindModuleEntry(ShellDll()), FindModuleEntry(lower));
  EXPECT_EQ(ModuleIcon(ShellDll(), 3), ModuleIcon(lower, 3));
  EXPECT_NE(ModuleIcon(ShellDll(), 3), ModuleIcon(ShellDll(), 4));
}

TEST_F(ModuleIcons, ProgramWithoutIconsShowsTheApplicationIcon) {
  // The helper programs link no resources.
  const TString program(SiblingProgram("iconless.exe").c_str());
  TModuleEntry* module = FindModuleEntry(program);
  ASSERT_NE(nullptr, module);
  ASSERT_EQ(0u, module->Table().Count());
  SolidFallback fallback;
  for (int index : {0, 5, -3}) {
    TIconSource* source = ModuleIcon(program, index);
    for (int size : {16, 32}) {
      const TIconHandle expected = LoadStockIconSized(32512, size, size, 0);
      HICON icon = source->GetIcon(size == 16 ? kSmallIcon : kLargeIcon, &fallback);
      EXPECT_EQ(ReadIconPixels(expected.Get()), ReadIconPixels(icon)) << index << " " << size;
    }
    const TIconHandle made = source->CreateIcon(24, 24, &fallback);
    const TIconHandle expected = LoadStockIconSized(32512, 24, 24, 0);
    EXPECT_EQ(ReadIconPixels(expected.Get()), ReadIconPixels(made.Get()));
  }
}

TEST_F(ModuleIcons, LibraryWithoutIconsDefersToTheFallback) {
  const TString library = SystemFolder() + "kernel32.dll";
  TModuleEntry* module = FindModuleEntry(library);
  ASSERT_NE(nullptr, module);
  if (module->Table().Count() != 0) GTEST_SKIP() << "this kernel32.dll carries icons";
  SolidFallback fallback;
  TIconSource* source = ModuleIcon(library, 0);
  // Without a fallback the system's default window icon stands in.
  for (int kind : {kSmallIcon, kLargeIcon}) {
    EXPECT_NE(nullptr, source->GetIcon(kind));
    EXPECT_EQ(StockIcon(kWinLogoStockIcon)->GetIcon(kind), source->GetIcon(kind));
  }
  EXPECT_EQ(fallback.GetIcon(kSmallIcon), source->GetIcon(kSmallIcon, &fallback));
  EXPECT_EQ(fallback.GetIcon(kLargeIcon), source->GetIcon(kLargeIcon, &fallback));
  // CreateIcon ends in IDI_WINLOGO without a fallback, in the fallback's large icon with one.
  const TIconHandle plain = source->CreateIcon(24, 24);
  const TIconHandle logo = LoadStockIconSized(32517, 24, 24, 0);
  EXPECT_EQ(ReadIconPixels(logo.Get()), ReadIconPixels(plain.Get()));
  const TIconHandle chained = source->CreateIcon(24, 24, &fallback);
  EXPECT_EQ(0x0000FF, CentreColour(chained.Get()));
}

TEST_F(ModuleIcons, PathsThatAreNoModules) {
  TShellTestFolder folder;
  ASSERT_TRUE(folder.WriteFile("x.ICO", IconFileBytes("APPLICATION_ICON")));
  const TString iconPath(folder.File("x.ICO").c_str());
  EXPECT_EQ(IconFile(iconPath), ModuleIcon(iconPath, 3));
  EXPECT_EQ(16, IconSize(ModuleIcon(iconPath, 3)->GetIcon(kSmallIcon)).cx);

  TIconSource* logo = StockIcon(kWinLogoStockIcon);
  EXPECT_EQ(logo, ModuleIcon("", 0));
  EXPECT_EQ(logo, ModuleIcon("C:\\no\\such\\library.dll", 1));
  EXPECT_EQ(logo, ModuleIcon(WindowsFolder() + "win.ini", 0));
  EXPECT_EQ(nullptr, FindModuleEntry("C:\\no\\such\\library.dll"));
}

TEST_F(ModuleIcons, ReleaseDestroysTheTablesIcons) {
  const TString program(SiblingProgram("iconless.exe").c_str());
  HICON shellIcon = ModuleIcon(ShellDll(), 3)->GetIcon(kLargeIcon);
  HICON standIn = ModuleIcon(program, 0)->GetIcon(kLargeIcon);
  ASSERT_TRUE(IsLiveIcon(shellIcon));
  ASSERT_TRUE(IsLiveIcon(standIn));
  ReleaseIconSources();
  EXPECT_FALSE(IsLiveIcon(shellIcon));
  EXPECT_FALSE(IsLiveIcon(standIn));
  // The loaded library itself stays: the process holds its own reference.
  EXPECT_NE(nullptr, GetModuleHandleA(ShellDll().c_str()));
}
