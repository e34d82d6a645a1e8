#include <windows.h>
#include <winioctl.h>

#include "framework/path/FileObject.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/path/FileAge.h"
#include "framework/path/FileExists.h"
#include "tests/support/ShellTestFolder.h"

namespace {

TByteBuffer Bytes(const std::string& text) { return TByteBuffer(text.data(), text.size()); }

std::string Text(const TByteBuffer& buffer) {
  return buffer.Size() == 0 ? std::string() : std::string(reinterpret_cast<const char*>(buffer.Data()), buffer.Size());
}

// What is on disk, read past the code under test.
std::string Contents(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(4096, '\0');
  DWORD read = 0;
  ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

class FileObject : public ::testing::Test {
 protected:
  TShellTestFolder folder_;
};

TEST_F(FileObject, ReadsAWholeFile) {
  const std::string bytes("first line\r\n\0\xff\x81\\end", 18);
  ASSERT_TRUE(folder_.WriteFile("data.bin", bytes));
  TFile file(TString(folder_.File("data.bin").c_str()));
  ASSERT_TRUE(file.OpenRead());
  TByteBuffer buffer;
  EXPECT_TRUE(file.ReadAll(buffer));
  EXPECT_EQ(bytes, Text(buffer));
  EXPECT_TRUE(file.Close());
  EXPECT_FALSE(file.IsOpen());
}

TEST_F(FileObject, AnEmptyFileReadsAsAnEmptyBuffer) {
  ASSERT_TRUE(folder_.WriteFile("empty.txt", ""));
  TFile file(TString(folder_.File("empty.txt").c_str()));
  ASSERT_TRUE(file.OpenRead());
  TByteBuffer buffer(Bytes("stale"));
  EXPECT_TRUE(file.ReadAll(buffer));
  EXPECT_TRUE(buffer.IsEmpty());
}

TEST_F(FileObject, AFailedOpenLeavesNoHandle) {
  struct Case {
    const char* why;
    bool (TFile::*open)();
  } cases[] = {
      {"reading", &TFile::OpenRead},
      {"updating", &TFile::OpenUpdate},
  };
  for (const Case& c : cases) {
    TFile file(TString(folder_.File("missing.txt").c_str()));
    EXPECT_FALSE((file.*c.open)()) << c.why;
    EXPECT_FALSE(file.Ok()) << c.why;
    EXPECT_FALSE(file.IsOpen()) << c.why;
    EXPECT_EQ(nullptr, file.Handle()) << c.why;
  }
  EXPECT_EQ("<missing>", Contents(folder_.File("missing.txt"))) << "nothing was created";
}

TEST_F(FileObject, WithoutAHandleEveryStepFailsAndReadGivesNothing) {
  TFile file(TString(folder_.File("never.txt").c_str()));
  TByteBuffer buffer(Bytes("left over"));
  EXPECT_FALSE(file.ReadAll(buffer));
  EXPECT_TRUE(buffer.IsEmpty());
  EXPECT_FALSE(file.Write(Bytes("x")));
  EXPECT_FALSE(file.Seek(FILE_BEGIN, 0));
  EXPECT_FALSE(file.Truncate());
  EXPECT_FALSE(file.Rewrite(Bytes("x")));
  EXPECT_FALSE(file.Ok());
  EXPECT_TRUE(file.Close()) << "closing nothing succeeds";
}

TEST_F(FileObject, CreatingOpensMakeTheFileAndWriteAppendsAtThePosition) {
  const std::string path = folder_.File("new.txt");
  TFile file(TString(path.c_str()));
  ASSERT_TRUE(file.OpenUpdateCreating());
  EXPECT_TRUE(file.Write(Bytes("hello")));
  EXPECT_TRUE(file.Write(Bytes(" world")));
  EXPECT_TRUE(file.Seek(FILE_BEGIN, 0));
  TByteBuffer buffer;
  EXPECT_TRUE(file.ReadAll(buffer));
  EXPECT_EQ("hello world", Text(buffer));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ("hello world", Contents(path));

  TFile reader(TString(folder_.File("made by reading.txt").c_str()));
  EXPECT_TRUE(reader.OpenReadCreating());
  EXPECT_TRUE(reader.Close());
  EXPECT_EQ("", Contents(folder_.File("made by reading.txt")));
}

TEST_F(FileObject, RewriteLeavesExactlyTheNewContents) {
  struct Case {
    const char* why;
    std::string before;
    std::string after;
  } cases[] = {
      {"shorter: the old tail is cut", "a long original text", "short"},
      {"longer: the file grows", "tiny", "a good deal longer"},
      {"empty: the file is emptied", "something", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(folder_.WriteFile("rewrite.txt", c.before));
    TFile file(TString(folder_.File("rewrite.txt").c_str()));
    ASSERT_TRUE(file.OpenUpdate()) << c.why;
    // Read first, as an editor does, so that the position is at the end.
    TByteBuffer old;
    EXPECT_TRUE(file.ReadAll(old)) << c.why;
    EXPECT_TRUE(file.Rewrite(Bytes(c.after))) << c.why;
    EXPECT_TRUE(file.Close()) << c.why;
    EXPECT_EQ(c.after, Contents(folder_.File("rewrite.txt"))) << c.why;
  }
}

TEST_F(FileObject, AShortReadFailsAndLeavesNothingInTheBuffer) {
  struct Case {
    const char* why;
    LONG position;
  } cases[] = {
      {"four bytes in: six of the ten come", 4},
      {"at the end: none of the ten come", 10},
      {"past the end", 20},
  };
  ASSERT_TRUE(folder_.WriteFile("short.txt", "0123456789"));
  for (const Case& c : cases) {
    TFile file(TString(folder_.File("short.txt").c_str()));
    ASSERT_TRUE(file.OpenRead()) << c.why;
    ASSERT_TRUE(file.Seek(FILE_BEGIN, c.position)) << c.why;
    TByteBuffer buffer(Bytes("stale"));
    EXPECT_FALSE(file.ReadAll(buffer)) << c.why;
    EXPECT_FALSE(file.Ok()) << c.why;
    EXPECT_TRUE(buffer.IsEmpty()) << c.why << ": " << Text(buffer);
  }
}

// A sparse file costs no disk (measured under Wine: 4 KB on disk, made at
// once); on NTFS the sparse flag keeps it as cheap.
bool MakeSparseFile(const std::string& path, const std::string& head, ULONGLONG size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD returned = 0;
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  DWORD written = 0;
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  const bool ok = WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr) &&
                  written == head.size() && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

TEST_F(FileObject, AFileOfFourGigabytesOrMoreIsRefusedNotReadByItsLowBits) {
  struct Case {
    const char* why;
    ULONGLONG size;
  } cases[] = {
      {"exactly 4 GB: the low bits say empty", 0x100000000ULL},
      {"4 GB and 5 bytes: the low bits say 5", 0x100000005ULL},
  };
  for (const Case& c : cases) {
    const std::string path = folder_.File("huge.bin");
    ASSERT_TRUE(MakeSparseFile(path, "hello", c.size)) << c.why;
    TFile file(TString(path.c_str()));
    ASSERT_TRUE(file.OpenRead()) << c.why;
    TByteBuffer buffer(Bytes("stale"));
    EXPECT_FALSE(file.ReadAll(buffer)) << c.why;
    EXPECT_FALSE(file.Ok()) << c.why;
    EXPECT_TRUE(buffer.IsEmpty()) << c.why << ": " << Text(buffer);
    EXPECT_TRUE(file.Close()) << c.why;
    EXPECT_TRUE(DeleteFileA(path.c_str())) << c.why;
  }
}

TEST_F(FileObject, ReadingOnlyOpensRefuseToWrite) {
  ASSERT_TRUE(folder_.WriteFile("read only.txt", "keep"));
  TFile file(TString(folder_.File("read only.txt").c_str()));
  ASSERT_TRUE(file.OpenRead());
  EXPECT_FALSE(file.Write(Bytes("changed")));
  EXPECT_FALSE(file.Ok());
  EXPECT_TRUE(file.Close());
  EXPECT_EQ("keep", Contents(folder_.File("read only.txt")));
}

TEST_F(FileObject, AnUpdateOpenLetsOthersReadButNotWrite) {
  ASSERT_TRUE(folder_.WriteFile("shared.txt", "x"));
  TFile writer(TString(folder_.File("shared.txt").c_str()));
  ASSERT_TRUE(writer.OpenUpdate());
  TFile reader(TString(folder_.File("shared.txt").c_str()));
  EXPECT_TRUE(reader.OpenRead()) << "a reader shares writing, and the writer shares reading";
  TFile second(TString(folder_.File("shared.txt").c_str()));
  EXPECT_FALSE(second.OpenUpdate()) << "a second writer is refused";
}

TEST_F(FileObject, ReopeningClosesTheFirstHandle) {
  ASSERT_TRUE(folder_.WriteFile("twice.txt", "x"));
  TFile file(TString(folder_.File("twice.txt").c_str()));
  ASSERT_TRUE(file.OpenUpdate());
  ASSERT_TRUE(file.OpenUpdate()) << "the first handle no longer blocks the second open";
  file.SetPath(TString(folder_.File("gone.txt").c_str()));
  EXPECT_FALSE(file.OpenRead());
  EXPECT_FALSE(file.IsOpen());
  TFile other(TString(folder_.File("twice.txt").c_str()));
  EXPECT_TRUE(other.OpenUpdate()) << "no handle of the first file is left";
}

TEST(FileExists, FindsFilesAndFoldersByAnyOfTheirNames) {
  TShellTestFolder folder;
  ASSERT_TRUE(folder.WriteFile("A Long File Name.text", "x"));
  char shortName[MAX_PATH] = {};
  ASSERT_NE(0u, GetShortPathNameA(folder.File("A Long File Name.text").c_str(), shortName, sizeof shortName));
  struct Case {
    const char* why;
    std::string path;
    bool exists;
  } cases[] = {
      {"a file", folder.File("A Long File Name.text"), true},
      {"by its short name", shortName, true},
      {"in another letter case", folder.File("a long file name.TEXT"), true},
      {"a folder", folder.Path(), true},
      {"a missing file", folder.File("missing.txt"), false},
      {"in a missing folder", folder.File("missing\\a.txt"), false},
      {"a wildcard that matches", folder.File("*.text"), true},
      {"a wildcard that does not", folder.File("*.none"), false},
      {"no path", "", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.exists, FileExists(TString(c.path.c_str()))) << c.why;
  }
}

TEST(FileAge, OldOnlyWhenTheFileExistsAndWasWrittenOverAMonthAgo) {
  TShellTestFolder folder;
  ASSERT_TRUE(folder.WriteFile("new.txt", "x"));
  ASSERT_TRUE(folder.WriteFile("week.txt", "x"));
  ASSERT_TRUE(folder.AgeFile("week.txt", 7));
  ASSERT_TRUE(folder.WriteFile("old.txt", "x"));
  ASSERT_TRUE(folder.AgeFile("old.txt", 40));
  ASSERT_TRUE(folder.WriteFile("ancient.txt", "x"));
  ASSERT_TRUE(folder.AgeFile("ancient.txt", 3000));
  struct Case {
    const char* why;
    std::string path;
    bool old;
  } cases[] = {
      {"written just now", folder.File("new.txt"), false},
      {"a week ago", folder.File("week.txt"), false},
      {"forty days ago", folder.File("old.txt"), true},
      {"years ago", folder.File("ancient.txt"), true},
      {"a missing file cannot be opened", folder.File("missing.txt"), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.old, FileUnchangedForAMonth(TString(c.path.c_str()))) << c.why;
  }
}

TEST(FileAge, AFileOpenForWritingElsewhereCannotBeJudged) {
  TShellTestFolder folder;
  ASSERT_TRUE(folder.WriteFile("busy.txt", "x"));
  ASSERT_TRUE(folder.AgeFile("busy.txt", 100));
  TFile writer(TString(folder.File("busy.txt").c_str()));
  ASSERT_TRUE(writer.OpenUpdate());
  EXPECT_FALSE(FileUnchangedForAMonth(TString(folder.File("busy.txt").c_str())))
      << "opening shares reading only, so a writer keeps it out";
  EXPECT_TRUE(writer.Close());
  EXPECT_TRUE(FileUnchangedForAMonth(TString(folder.File("busy.txt").c_str())));
}

}  // namespace
