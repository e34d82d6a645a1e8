#include <windows.h>

#include "framework/path/FileObject.h"

#include <memory>
#include <new>

bool TFile::Open(DWORD access, DWORD share, DWORD disposition) {
  handle_.Reset();
  const HANDLE file = CreateFileA(path_.c_str(), access, share, nullptr, disposition, attributes_, nullptr);
  // The kernel owner takes null for "none"; CreateFile says it with INVALID_HANDLE_VALUE.
  if (file == INVALID_HANDLE_VALUE) return Done(false);
  handle_.Reset(file);
  return Done(true);
}

bool TFile::OpenRead() { return Open(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING); }

bool TFile::OpenReadCreating() { return Open(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS); }

bool TFile::OpenUpdate() { return Open(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING); }

bool TFile::OpenUpdateCreating() { return Open(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS); }

bool TFile::Close() {
  const HANDLE file = handle_.Release();
  return Done(file == nullptr || CloseHandle(file) != FALSE);
}

bool TFile::Seek(DWORD method, LONG distance) {
  if (!handle_) return Done(false);
  return Done(SetFilePointer(handle_.Get(), distance, nullptr, method) != INVALID_SET_FILE_POINTER);
}

bool TFile::Truncate() {
  if (!handle_) return Done(false);
  return Done(SetEndOfFile(handle_.Get()) != FALSE);
}

bool TFile::ReadAll(TByteBuffer& buffer) {
  buffer.Clear();
  if (!handle_) return Done(false);
  DWORD high = 0;
  // 0xFFFFFFFF is also a size: only the error code tells a failure.
  SetLastError(NO_ERROR);
  const DWORD size = GetFileSize(handle_.Get(), &high);
  if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return Done(false);
  // One read takes at most 4 GB less a byte: a larger file would be read as
  // its low 32 bits of size, a part passed off as the whole.
  if (high != 0) return Done(false);
  if (size == 0) {
    // One read all the same: a file that cannot be read fails here too.
    DWORD none = 0;
    unsigned char byte = 0;
    return Done(ReadFile(handle_.Get(), &byte, 0, &none, nullptr) != FALSE);
  }
  // A size no allocation meets is a failed read, not an exception.
  std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[size]);
  if (!bytes) return Done(false);
  DWORD read = 0;
  const bool ok = ReadFile(handle_.Get(), bytes.get(), size, &read, nullptr) != FALSE;
  // A short read leaves nothing: a caller that misses the result must not
  // take half a file for the file.
  if (!ok || read != size) return Done(false);
  buffer.Assign(bytes.get(), read);
  return Done(true);
}

bool TFile::Write(const TByteBuffer& buffer) {
  if (!handle_) return Done(false);
  // An empty buffer holds no block; the system still wants an address.
  static const unsigned char kNothing = 0;
  const void* bytes = buffer.Size() != 0 ? buffer.Data() : &kNothing;
  const DWORD size = static_cast<DWORD>(buffer.Size());
  DWORD written = 0;
  const bool ok = WriteFile(handle_.Get(), bytes, size, &written, nullptr) != FALSE;
  return Done(ok && written == size);
}

bool TFile::Rewrite(const TByteBuffer& buffer) {
  return Seek(FILE_BEGIN, 0) && Write(buffer) && Truncate();
}
