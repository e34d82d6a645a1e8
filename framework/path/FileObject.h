#pragma once
// A file the program reads or writes whole: its path, its open handle and
// the outcome of the last operation. Every operation sets Ok() and returns
// it, so that a caller may run several steps and look once at the end.
#include <windows.h>

#include "framework/base/Owners.h"
#include "framework/text/TByteBuffer.h"
#include "framework/text/TString.h"

class TFile {
 public:
  TFile() = default;
  explicit TFile(const TString& path) : path_(path) {}

  const TString& Path() const { return path_; }
  void SetPath(const TString& path) { path_ = path; }
  // The attributes and flags that opening passes on (a new file gets them).
  DWORD Attributes() const { return attributes_; }
  void SetAttributes(DWORD attributes) { attributes_ = attributes; }
  bool Ok() const { return ok_; }
  bool IsOpen() const { return static_cast<bool>(handle_); }
  HANDLE Handle() const { return handle_.Get(); }

  // Reading, others may read and write meanwhile. A failed open leaves no
  // handle; opening an open file closes it first.
  bool OpenRead();
  bool OpenReadCreating();
  // Reading and writing, others may only read.
  bool OpenUpdate();
  bool OpenUpdateCreating();
  // Closing a file that is not open succeeds.
  bool Close();

  // SetFilePointer with `method` (FILE_BEGIN, FILE_CURRENT, FILE_END); files
  // past 4 GB are not reached.
  bool Seek(DWORD method, LONG distance);
  // The file ends at the current position.
  bool Truncate();
  // From the current position to the size the file has now, in one read;
  // ok only when every byte came, and never for a file of 4 GB or more.
  // `buffer` holds the bytes read when ok, and is empty otherwise.
  bool ReadAll(TByteBuffer& buffer);
  // The whole buffer at the current position in one write; ok only when
  // every byte went.
  bool Write(const TByteBuffer& buffer);
  // The file becomes exactly `buffer`.
  bool Rewrite(const TByteBuffer& buffer);

 private:
  bool Open(DWORD access, DWORD share, DWORD disposition);
  bool Done(bool ok) { return ok_ = ok; }

  TString path_;
  TKernelHandle handle_;
  DWORD attributes_ = FILE_ATTRIBUTE_NORMAL;
  bool ok_ = false;
};
