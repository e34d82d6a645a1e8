#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/icons/IconFactories.h"
#include "framework/icons/IconSource.h"
#include "framework/path/ShellLink.h"
#include "framework/path/SpecialFolder.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/dialogs/NamePicker.h"
#include "framework/window/elements/pure/History.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/CountingShape.h"
#include "tests/support/PlayedUser.h"
#include "tests/support/ShellTestFolder.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

// Two extensions of our own (so that no recent document of the prefix
// interferes) and "any", which names no key.
constexpr char kFilter[] = "Picker test\0*.pk1;*.PK2\0All\0*.*\0";

// Sources resolve lazily (a file icon hands out its target once found): compare what they draw.
HICON SmallIcon(TIconSource* source) { return source != nullptr ? source->GetIcon(kSmallIcon) : nullptr; }

// An old stamp that sorts by `n`, with the store's 25 characters.
std::string Stamp(int n) {
  char name[32];
  std::snprintf(name, sizeof name, "20200101%09d%08X", n, 0x1234u);
  return name;
}

class NamePicker : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
  }
  void TearDown() override {
    if (shape_ != nullptr && IsWindow(shape_->Handle())) DestroyWindow(shape_->Handle());
    PumpWaitingMessages();
    CloseAllModeless();
    shape_.reset();
    DestroyGlobalKeyLists();
    for (const std::string& file : files_) DeleteFileA(file.c_str());
  }
  static std::string Store(const char* sub) { return std::string(kLibraryKeyPath) + "MRU\\" + sub; }
  void Plant(const char* sub, const std::string& name, const std::string& text) {
    ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key_.Handle(), Store(sub).c_str(), name.c_str(), REG_SZ, text.c_str(),
                                         static_cast<DWORD>(text.size() + 1)));
  }
  // Value name -> text, names in ascending order.
  std::vector<std::pair<std::string, std::string>> Values(const char* sub) {
    std::vector<std::pair<std::string, std::string>> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(key_.Handle(), Store(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
      char name[256] = {};
      char data[1024] = {};
      DWORD nameSize = sizeof name;
      DWORD dataSize = sizeof data;
      if (RegEnumValueA(key, i, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &dataSize) !=
          ERROR_SUCCESS) {
        break;
      }
      values.emplace_back(name, data);
    }
    RegCloseKey(key);
    std::sort(values.begin(), values.end());
    return values;
  }
  // A file that exists (on the prefix's fixed drive), removed after the test.
  std::string ExistingFile(const char* extension) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "picker" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(files_.size()) + "." + extension;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    files_.push_back(path);
    return path;
  }
  std::unique_ptr<TFileNamePicker> FilePicker(const char* textValue = "", const char* listValue = "") {
    return std::make_unique<TFileNamePicker>(0, "", kFilter, sizeof kFilter, "pk1", "Choose", textValue, listValue);
  }
  static std::vector<std::string> History(const TNamePicker& picker) {
    std::vector<std::string> texts;
    for (const TString& text : picker.History()) texts.push_back(text.Bytes());
    return texts;
  }

  ThrowawayRegKey key_;
  std::vector<std::string> files_;
  std::unique_ptr<TCountingShape> shape_;
};

TEST_F(NamePicker, ExtensionsComeFromEveryMaskAndNameTheStoreKeys) {
  auto picker = FilePicker();
  std::vector<std::string> extensions;
  for (const TString& extension : picker->Extensions()) extensions.push_back(extension.Bytes());
  EXPECT_EQ((std::vector<std::string>{"pk1", "PK2", "*"}), extensions);
  struct Case {
    const char* why;
    const char* text;
    const char* key;
  } cases[] = {
      {"the extension lower-cased", "C:\\a\\Report.PK2", "MRU\\.pk2"},
      {"no extension: the key of the bare dot", "C:\\a\\README", "MRU\\."},
      {"blanks around the name do not count", " C:\\a\\b.pk1 ", "MRU\\.pk1"},
  };
  for (const Case& c : cases) EXPECT_EQ(TString(c.key), picker->StoreKeyName(c.text)) << c.why;
  TFolderNamePicker folder(0, "", "Folder", "", "");
  EXPECT_EQ(TString("MRU\\Folder"), folder.StoreKeyName("C:\\x.pk1"));
}

TEST_F(NamePicker, SavingToTheSharedStore) {
  const std::string a = ExistingFile("pk1");
  const std::string b = ExistingFile("pk1");
  struct Case {
    const char* why;
    std::vector<std::pair<std::string, std::string>> planted;  // in MRU\.pk1
    std::string text;
    const char* key;
    // Values after the save; "new" stands for a stamp made by the save.
    std::vector<std::pair<std::string, std::string>> after;
  } cases[] = {
      {"the newest name saved again writes nothing", {{Stamp(1), a}}, a, ".pk1", {{Stamp(1), a}}},
      {"an older copy gives way to exactly one under a new name",
       {{Stamp(1), a}, {Stamp(2), a}, {Stamp(3), b}},
       a,
       ".pk1",
       {{Stamp(3), b}, {"new", a}}},
      {"blanks are trimmed before the name is stored", {{Stamp(2), b}}, " " + a + "\t", ".pk1", {{Stamp(2), b}, {"new", a}}},
      {"a blank text saves nothing", {{Stamp(2), b}}, "  ", ".pk1", {{Stamp(2), b}}},
      {"a name without extension goes under the bare dot", {}, "C:\\nowhere\\README", ".", {{"new", "C:\\nowhere\\README"}}},
  };
  for (const Case& c : cases) {
    SHDeleteKeyA(key_.Handle(), (std::string(kLibraryKeyPath) + "MRU").c_str());
    for (const auto& value : c.planted) Plant(".pk1", value.first, value.second);
    auto picker = FilePicker();
    TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
    picker->Load(dialog.Keys());
    picker->SetText(c.text.c_str());
    picker->Save(dialog.Keys());
    const auto values = Values(c.key);
    ASSERT_EQ(c.after.size(), values.size()) << c.why;
    for (size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(c.after[i].second, values[i].second) << c.why;
      if (c.after[i].first != "new") {
        EXPECT_EQ(c.after[i].first, values[i].first) << c.why;
        continue;
      }
      EXPECT_EQ(25u, values[i].first.size()) << c.why;
      EXPECT_GT(values[i].first, Stamp(999)) << c.why << ": newer than any planted stamp";
    }
    if (!c.after.empty() && c.after.back().first == "new" && std::string(c.key) == ".pk1") {
      EXPECT_EQ(c.after.back().second, History(*picker).at(0)) << c.why << ": loaded again, newest first";
    }
  }
}

TEST_F(NamePicker, LoadingKeepsTheTwentyNewestPerKeyAndMergesTheKeys) {
  // 25 values of one existing file: the history holds it once, the 5 oldest go.
  const std::string once = ExistingFile("pk1");
  for (int n = 0; n < 25; ++n) Plant(".pk1", Stamp(n), once);
  auto picker = FilePicker();
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  picker->Load(dialog.Keys());
  EXPECT_EQ(std::vector<std::string>{once}, History(*picker));
  auto kept = Values(".pk1");
  ASSERT_EQ(20u, kept.size());
  EXPECT_EQ(Stamp(5), kept.front().first) << "the oldest kept";
  EXPECT_EQ(Stamp(24), kept.back().first);

  // Two extensions, 15 distinct files each, stamps interleaved: the 20 newest of 30.
  SHDeleteKeyA(key_.Handle(), (std::string(kLibraryKeyPath) + "MRU").c_str());
  std::vector<std::string> files;
  for (int n = 0; n < 30; ++n) {
    files.push_back(ExistingFile(n % 2 == 0 ? "pk1" : "PK2"));
    Plant(n % 2 == 0 ? ".pk1" : ".pk2", Stamp(n), files.back());
  }
  picker->Load(dialog.Keys());
  const std::vector<std::string> newest(files.rbegin(), files.rbegin() + 20);
  EXPECT_EQ(newest, History(*picker));
  EXPECT_EQ(15u, Values(".pk1").size()) << "rows past the twentieth are neither read nor deleted";
  EXPECT_EQ(15u, Values(".pk2").size());
}

TEST_F(NamePicker, TheUsersRecentDocumentsComeBeforeTheStoresNewestNames) {
  const std::string recent = ExistingFile("pk1");
  const std::string stored = ExistingFile("pk1");
  Plant(".pk1", Stamp(41), stored);
  Plant(".pk1", Stamp(40), recent);  // shown once, in the recent documents' place
  // The prefix's own recent-documents folder, with a shortcut of ours in it
  // for the length of the test.
  TComApartment com;
  ASSERT_TRUE(com.Ok());
  const TString folder = SpecialFolder(CSIDL_RECENT);
  ASSERT_FALSE(folder.IsEmpty());
  CreateDirectoryA(folder.c_str(), nullptr);
  struct TLink {
    std::string path;
    ~TLink() { DeleteFileA(path.c_str()); }
  } link{folder.Bytes() + "picker_" + std::to_string(GetCurrentProcessId()) + ".lnk"};
  ASSERT_TRUE(CreateShortcut(TString(link.path.c_str()), TString(recent.c_str()), TString()));
  auto picker = FilePicker();
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  picker->Load(dialog.Keys());
  EXPECT_EQ((std::vector<std::string>{recent, stored}), History(*picker));
}

TEST_F(NamePicker, LoadingDropsValuesOfVanishedFilesButKeepsDuplicates) {
  const std::string there = ExistingFile("pk1");
  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof folder, folder);
  const std::string gone = std::string(folder) + "picker-never-made.pk1";
  struct Case {
    const char* why;
    std::string text;
    bool kept;
  } cases[] = {
      {"the newest names a file that exists", there, true},
      {"a file gone from the fixed drive", gone, false},
      {"the same file again is skipped, not deleted", there, true},
      {"an empty value names nothing", "", false},
  };
  for (int i = 0; i < 4; ++i) Plant(".pk1", Stamp(10 - i), cases[i].text);
  auto picker = FilePicker();
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  picker->Load(dialog.Keys());
  EXPECT_EQ(std::vector<std::string>{there}, History(*picker));
  const auto values = Values(".pk1");
  for (int i = 0; i < 4; ++i) {
    const bool found = std::any_of(values.begin(), values.end(), [&](const auto& v) { return v.first == Stamp(10 - i); });
    EXPECT_EQ(cases[i].kept, found) << cases[i].why;
  }
}

TEST_F(NamePicker, FolderHistoryIsTheTwentyNewestUntested) {
  for (int n = 0; n < 22; ++n) Plant("Folder", Stamp(n), "Z:\\no\\such\\" + std::to_string(n) + "\\");
  TFolderNamePicker picker(0, "", "Folder", "", "");
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  picker.Load(dialog.Keys());
  ASSERT_EQ(20u, picker.History().size());
  EXPECT_EQ("Z:\\no\\such\\21\\", History(picker).front());
  EXPECT_EQ("Z:\\no\\such\\2\\", History(picker).back());
  EXPECT_EQ(20u, Values("Folder").size()) << "the two oldest deleted";
  picker.SetText("C:\\windows\\");
  picker.Save(dialog.Keys());
  EXPECT_EQ("C:\\windows\\", History(picker).front());
  EXPECT_EQ(20u, Values("Folder").size()) << "the save loads again, which cuts the oldest";
}

TEST_F(NamePicker, NamedValuesHoldTheTextAndANumberedHistory) {
  const std::string list = std::string(kApplicationKeyPath) + "\\Dialog\\Files";
  for (int n : {0, 1, 2, 3, 4, 6}) {
    const std::string text = "entry" + std::to_string(n);
    RawSetValue(key_.Handle(), list.c_str(), HistoryValueName(n).c_str(), REG_SZ, text.c_str(),
                static_cast<DWORD>(text.size() + 1));
  }
  TRegSection dialog = OpenSection(ApplicationKeys(), "Dialog");
  auto picker = std::make_unique<TFileNamePicker>(0, "initial", kFilter, sizeof kFilter, "pk1", "", "Text", "Files");
  picker->Load(dialog.Keys());
  EXPECT_EQ((std::vector<std::string>{"entry0", "entry1", "entry2", "entry3", "entry4"}), History(*picker))
      << "the numbering ends at its first gap";
  EXPECT_EQ(TString("initial"), picker->Text()) << "no text stored yet";

  picker->SetText("entry3");
  picker->Save(dialog.Keys());
  const std::string path = std::string(kApplicationKeyPath) + "\\Dialog";
  EXPECT_EQ(std::string("entry3", 7), RawQueryValue(key_.Handle(), path.c_str(), "Text").bytes);
  const char* expected[] = {"entry3", "entry0", "entry1", "entry2", "entry4", nullptr, "entry6"};
  for (int n = 0; n < 7; ++n) {
    if (expected[n] == nullptr) continue;
    EXPECT_EQ(std::string(expected[n]) + '\0', RawQueryValue(key_.Handle(), list.c_str(), HistoryValueName(n).c_str()).bytes)
        << n << (n == 6 ? ": overwritten, never deleted" : ": the saved text on top");
  }
  auto again = std::make_unique<TFileNamePicker>(0, "initial", kFilter, sizeof kFilter, "pk1", "", "Text", "Files");
  again->Load(dialog.Keys());
  EXPECT_EQ(TString("entry3"), again->Text());
}

TEST_F(NamePicker, LaysOutCaptionFieldAndButtonAndShowsTheIconWhenTypingStops) {
  const std::string file = ExistingFile("pk1");
  shape_ = std::make_unique<TCountingShape>("picker");
  auto* picker = shape_->Content().Add(
      std::make_unique<TFileNamePicker>(4242, "", kFilter, sizeof kFilter, "pk1", "", "", ""));
  shape_->RunModeless(0);
  ASSERT_NE(nullptr, shape_->Handle());
  PumpWaitingMessages();
  ASSERT_NE(nullptr, picker->Edit());
  EXPECT_EQ(picker->Edit(), GetDlgItem(shape_->Handle(), 4242)) << "the edit carries the caller's id";
  EXPECT_EQ(TNamePicker::kTextLimit, SendMessageA(picker->Edit(), EM_GETLIMITTEXT, 0, 0));

  RECT caption{}, field{}, button{};
  GetWindowRect(picker->CaptionWindow(), &caption);
  GetWindowRect(picker->Field(), &field);
  GetWindowRect(picker->BrowseButton(), &button);
  EXPECT_EQ(caption.right, field.left) << "the field follows its caption";
  EXPECT_EQ(field.right + TNamePicker::kButtonGap, button.left);
  EXPECT_EQ(21, button.bottom - button.top);
  EXPECT_LE(std::abs((field.top + field.bottom) - (button.top + button.bottom)), 1) << "both centred on one line";
  EXPECT_LE(std::abs((field.top + field.bottom) - (caption.top + caption.bottom)), 1);

  SetFocus(picker->Edit());
  PumpWaitingMessages();
  for (char c : file) SendMessageA(picker->Edit(), WM_CHAR, static_cast<unsigned char>(c), 1);
  PumpWaitingMessages();
  EXPECT_EQ(TString(file.c_str()), picker->Text());
  EXPECT_EQ(nullptr, picker->CurrentIcon()) << "no disk probe while typing";
  SetFocus(picker->BrowseButton());
  PumpWaitingMessages();
  ASSERT_NE(nullptr, picker->CurrentIcon()) << "the icon comes when the edit loses the focus";
  EXPECT_EQ(SmallIcon(FileIcon(TString(file.c_str()))), SmallIcon(picker->CurrentIcon()));

  picker->SetText("C:\\");
  ASSERT_NE(nullptr, picker->CurrentIcon());
  EXPECT_EQ(SmallIcon(FileIcon("C:\\")), SmallIcon(picker->CurrentIcon()));
  EXPECT_NE(SmallIcon(FileIcon(TString(file.c_str()))), SmallIcon(picker->CurrentIcon())) << "a folder's icon";
  char shown[MAX_PATH] = {};
  GetWindowTextA(picker->Edit(), shown, sizeof shown);
  EXPECT_STREQ("C:\\", shown);
}

TEST_F(NamePicker, BrowsingTakesTheChosenNameOnOkOnly) {
  const std::string start = ExistingFile("pk1");
  const std::string chosen = ExistingFile("pk1");
  shape_ = std::make_unique<TCountingShape>("picker");
  auto* files = shape_->Content().Add(
      std::make_unique<TFileNamePicker>(0, start.c_str(), kFilter, sizeof kFilter, "pk1", "", "", ""));
  auto* folders = shape_->Content().Add(std::make_unique<TFolderNamePicker>(0, "C:\\windows\\", "", "", ""));
  shape_->RunModeless(0);
  ASSERT_NE(nullptr, shape_->Handle());
  PumpWaitingMessages();
  PlayedUser user(VisibleSystemDialogOfThisThread, PressCancel);
  struct Case {
    const char* why;
    TNamePicker* picker;
    std::string typed;  // empty: the dialog's own choice
    int button;
    std::string text;  // after
  } cases[] = {
      {"cancel keeps the text", files, chosen, IDCANCEL, start},
      {"OK takes the typed file", files, chosen, IDOK, chosen},
      {"the folder dialog starts at the text less its final backslash and gives it back with one",
       folders, "", IDOK, "C:\\windows\\"},
  };
  for (const Case& c : cases) {
    shape_->changes.clear();
    std::string seen;
    user.Next([&](HWND dialog) {
      char spec[MAX_PATH] = {};
      SendMessageA(dialog, CDM_GETSPEC, sizeof spec, reinterpret_cast<LPARAM>(spec));
      seen = spec;
      HWND edit = FirstVisibleEdit(dialog);
      if (edit != nullptr && !c.typed.empty()) SetWindowTextA(edit, c.typed.c_str());
      PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(c.button), 0);
    });
    EXPECT_EQ(c.button == IDOK, c.picker->Browse()) << c.why;
    EXPECT_EQ(TString(c.text.c_str()), c.picker->Text()) << c.why;
    EXPECT_EQ(c.button == IDOK, std::count(shape_->changes.begin(), shape_->changes.end(), c.picker) > 0) << c.why;
    if (c.picker == files) {
      EXPECT_EQ(start.substr(start.rfind('\\') + 1), seen) << c.why << ": starts from the text";
    }
    if (c.button == IDOK) {
      EXPECT_EQ(SmallIcon(FileIcon(TString(c.text.c_str()))), SmallIcon(c.picker->CurrentIcon())) << c.why;
    }
  }
}

}  // namespace
