#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/icons/DefaultIcon.h"
#include "framework/icons/FileIcon.h"
#include "framework/icons/IconFactories.h"
#include "framework/icons/SystemIconProbe.h"
#include "framework/path/SpecialFolder.h"
#include "framework/path/SystemFolders.h"
#include "framework/text/LetterCase.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/win/icons/IconTestSupport.h"

namespace {

// The system's answers, with every question that reads a path written down.
class CountingProbe : public TIconProbe {
 public:
  std::vector<std::string> touched;

  unsigned DriveType(const TString& path) override { return SystemIconProbe().DriveType(path); }
  bool ShellKnowsType(const TString& path) override { return SystemIconProbe().ShellKnowsType(path); }
  bool ShellKnowsFile(const TString& path) override {
    touched.push_back(path.Bytes());
    return SystemIconProbe().ShellKnowsFile(path);
  }
  bool ShellKnowsFolder(const TString& path) override {
    touched.push_back(path.Bytes());
    return SystemIconProbe().ShellKnowsFolder(path);
  }
  bool Exists(const TString& path) override {
    touched.push_back(path.Bytes());
    return SystemIconProbe().Exists(path);
  }
  bool CanMapModule(const TString& path) override {
    touched.push_back(path.Bytes());
    return SystemIconProbe().CanMapModule(path);
  }
};

class SolidFallback : public TIconSource {
 public:
  HICON GetIcon(int kind, TIconSource* = nullptr) override {
    return kind == kSmallIcon ? small_.Get() : kind == kLargeIcon ? large_.Get() : nullptr;
  }

 private:
  TIconHandle small_{MakeSolidIcon(16, 0xFF0000)};
  TIconHandle large_{MakeSolidIcon(32, 0x0000FF)};
};

TString ShellDll() { return SystemFolder() + "shell32.dll"; }

// A file type of this test's own under HKEY_CLASSES_ROOT, removed again.
class PlantedFileType {
 public:
  explicit PlantedFileType(const std::string& defaultIcon) {
    const std::string serial = std::to_string(GetCurrentProcessId()) + "x" + std::to_string(++count_);
    extension_ = ".stowicon" + serial;
    className_ = "StowpaneIconTest" + serial;
    Set(extension_, className_);
    Set(className_ + "\\DefaultIcon", defaultIcon);
  }
  ~PlantedFileType() {
    SHDeleteKeyA(HKEY_CLASSES_ROOT, extension_.c_str());
    SHDeleteKeyA(HKEY_CLASSES_ROOT, className_.c_str());
  }
  PlantedFileType(const PlantedFileType&) = delete;
  PlantedFileType& operator=(const PlantedFileType&) = delete;

  const std::string& Extension() const { return extension_; }
  const std::string& ClassName() const { return className_; }

 private:
  static void Set(const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &handle, nullptr));
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
  }

  static inline int count_ = 0;
  std::string extension_;
  std::string className_;
};

class FileIcons : public ::testing::Test {
 protected:
  void TearDown() override { ReleaseIconSources(); }

  static void ExpectBothSizes(TIconSource* source, const std::string& what) {
    ASSERT_NE(nullptr, source) << what;
    EXPECT_EQ(16, IconSize(source->GetIcon(kSmallIcon)).cx) << what;
    EXPECT_EQ(32, IconSize(source->GetIcon(kLargeIcon)).cx) << what;
  }
};

}  // namespace

TEST_F(FileIcons, PatternsNeverTouchTheDisk) {
  for (const char* pattern : {"*.hlp", "Q:\\docs\\*.hlp", "C:\\Windows\\*.exe", "*.txt"}) {
    CountingProbe probe;
    TIconSource* source = ResolveFileIcon(pattern, nullptr, true, probe);
    EXPECT_TRUE(probe.touched.empty()) << pattern << " touched " << probe.touched.front();
    ExpectBothSizes(source, pattern);
  }
}

TEST_F(FileIcons, NetworkFolderGetsTheFolderIconByType) {
  const TString folder("\\\\nohost\\share\\folder\\");
  CountingProbe probe;
  TIconSource* source = ResolveFileIcon(folder, nullptr, true, probe);
  EXPECT_TRUE(probe.touched.empty());
  EXPECT_EQ(ShellTypeIcon(folder), source);
  ExpectBothSizes(source, "network folder");
  // The shell's folder icon, as for any folder asked by type.
  EXPECT_EQ(ReadIconPixels(ShellTypeIcon("C:\\nowhere\\")->GetIcon(kSmallIcon)),
            ReadIconPixels(source->GetIcon(kSmallIcon)));
}

TEST_F(FileIcons, FilesOnMissingDrivesAreNotOpened) {
  for (const char* path : {"Q:\\docs\\report.txt", "Q:\\setup.exe", "\\\\nohost\\share\\a.doc"}) {
    CountingProbe probe;
    TIconSource* source = ResolveFileIcon(path, nullptr, true, probe);
    EXPECT_TRUE(probe.touched.empty()) << path;
    ExpectBothSizes(source, path);
  }
}

TEST_F(FileIcons, ExistingLocalFileGetsTheShellsIconOfIt) {
  const TString notepad = WindowsFolder() + "notepad.exe";
  ASSERT_NE(nullptr, FileIcon(notepad)->GetIcon(kSmallIcon));  // resolves
  EXPECT_EQ(ShellFileIcon(notepad), FileIcon(notepad));
  ExpectBothSizes(FileIcon(notepad), "notepad");
}

TEST_F(FileIcons, RegisteredModuleIconWithEnvironmentReference) {
  PlantedFileType type("%SystemRoot%\\system32\\shell32.dll,-35");
  EXPECT_EQ(TString("%SystemRoot%\\system32\\shell32.dll,-35"),
            DefaultIconOf(TString(("C:\\x" + type.Extension()).c_str())));
  const TString file(("C:\\nowhere\\x" + type.Extension()).c_str());
  TIconSource* source = ResolveFileIcon(file, nullptr, true, SystemIconProbe());
  EXPECT_EQ(ModuleIcon(ShellDll(), -35), source);
  ExpectBothSizes(source, "registered module icon");
}

TEST_F(FileIcons, RegisteredIconFileWithQuotedShiftJisPath) {
  TShellTestFolder folder;
  ASSERT_TRUE(folder.WriteFile("表示,アイコン.ico", IconFileBytes("APPLICATION_ICON")));
  const std::string iconPath = folder.File("表示,アイコン.ico");
  PlantedFileType type("\"" + iconPath + "\",4");
  TIconSource* source = FileIcon(TString(("Q:\\x" + type.Extension()).c_str()));
  EXPECT_EQ(16, IconSize(source->GetIcon(kSmallIcon)).cx);
  EXPECT_EQ(IconFile(TString(iconPath.c_str())), FileIcon(TString(("Q:\\x" + type.Extension()).c_str())));
}

TEST_F(FileIcons, RegisteredPicturesAndMissingFilesAreSkipped) {
  for (const std::string& location : {WindowsFolder().Bytes() + "missing.dll,2",
                                     WindowsFolder().Bytes() + "picture.bmp"}) {
    PlantedFileType type(location);
    const TString file(("C:\\nowhere\\x" + type.Extension()).c_str());
    EXPECT_EQ(ShellTypeIcon(file), ResolveFileIcon(file, nullptr, true, SystemIconProbe())) << location;
  }
}

TEST_F(FileIcons, ClassIconsComeFromTheRegistration) {
  PlantedFileType type(ShellDll().Bytes() + ",3");
  EXPECT_EQ(ModuleIcon(ShellDll(), 3), ClassIcon(TString(type.ClassName().c_str())));
  // Whatever this system registers for help files, the chain ends in an icon.
  ExpectBothSizes(ClassIcon("hlpfile"), "hlpfile");
  EXPECT_EQ(StockIcon(kWinLogoStockIcon), ClassIcon("NoSuchClass.StowpaneTest"));
}

TEST_F(FileIcons, DesktopAndStartMenuFoldersGetTheShellsOwnIcons) {
  const TString desktop = SpecialFolder(CSIDL_DESKTOP);
  ASSERT_FALSE(desktop.IsEmpty());
  ASSERT_NE(nullptr, FileIcon(desktop)->GetIcon(kSmallIcon));  // resolves
  EXPECT_EQ(ModuleIcon(ShellDll(), -35), FileIcon(desktop));
  EXPECT_EQ(ModuleIcon(ShellDll(), -35), ShellTypeIcon(ToUpperLetters(desktop)));

  const TString programs = SpecialFolder(CSIDL_PROGRAMS);
  ASSERT_FALSE(programs.IsEmpty());
  EXPECT_EQ(ModuleIcon(ShellDll(), -37), ShellFileIcon(programs));
  EXPECT_EQ(ModuleIcon(ShellDll(), -37), ShellTypeIcon(programs));
  // Only folders: without its final '\' it is any other path.
  const TString withoutBackslash(programs.c_str(), programs.Length() - 1);
  EXPECT_NE(ModuleIcon(ShellDll(), -37), ShellFileIcon(withoutBackslash));
}

TEST_F(FileIcons, OneSourcePerPathAndFallback) {
  const TString path = WindowsFolder() + "win.ini";
  SolidFallback fallback;
  TIconSource* first = FileIcon(path);
  EXPECT_EQ(first, FileIcon(ToUpperLetters(path)));
  EXPECT_NE(first, FileIcon(path, &fallback));
  EXPECT_NE(FileIcon(path, nullptr), FileIcon(path, &fallback));
  // Once resolved, the factory hands out the source found.
  ASSERT_NE(nullptr, first->GetIcon(kSmallIcon));
  EXPECT_EQ(ShellFileIcon(path), FileIcon(path));
  EXPECT_EQ(ShellFileIcon(path), FileIcon(ToLowerLetters(path)));
}

TEST_F(FileIcons, EmptyPathEndsTheChain) {
  SolidFallback fallback;
  EXPECT_EQ(fallback.GetIcon(kSmallIcon), FileIcon("", &fallback)->GetIcon(kSmallIcon));
  EXPECT_EQ(StockIcon(kWinLogoStockIcon)->GetIcon(kLargeIcon), FileIcon("")->GetIcon(kLargeIcon));
  EXPECT_EQ(nullptr, FileIcon("", nullptr)->GetIcon(kSmallIcon));
  EXPECT_EQ(fallback.GetIcon(kLargeIcon), FileIcon("", nullptr)->GetIcon(kLargeIcon, &fallback));
  const TIconHandle made = FileIcon("", &fallback)->CreateIcon(24, 24, &fallback);
  EXPECT_EQ(0x0000FF, CentreColour(made.Get()));
}

TEST(IconLocationRead, ExpandsEnvironmentReferencesInThePath) {
  char root[MAX_PATH] = "";
  ASSERT_GT(GetEnvironmentVariableA("SystemRoot", root, sizeof root), 0u);
  const TIconLocation location = ReadIconLocation("\"%SystemRoot%\\system32\\shell32.dll\",-35");
  EXPECT_EQ(std::string(root) + "\\system32\\shell32.dll", location.path.Bytes());
  EXPECT_EQ(-35, location.index);
  EXPECT_EQ(TString("%NoSuchVariableOfStowpane%\\x.dll"),
            ReadIconLocation("%NoSuchVariableOfStowpane%\\x.dll,1").path);
  // Longer than MAX_PATH once expanded: not cut short.
  const std::string tail(400, 'y');
  EXPECT_EQ(std::string(root) + "\\" + tail, ExpandEnvironmentReferences(TString(("%SystemRoot%\\" + tail).c_str())).Bytes());
}
