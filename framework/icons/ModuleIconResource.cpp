#include <windows.h>

#include "framework/icons/ModuleIconResource.h"

#include "framework/icons/pure/IconGroupDirectory.h"

namespace {

struct ResourceBits {
  const unsigned char* bits = nullptr;
  DWORD size = 0;
};

ResourceBits FindBits(HMODULE module, const char* name, const char* type) {
  HRSRC found = FindResourceA(module, name, type);
  if (found == nullptr) return {};
  // Resource memory belongs to the module: nothing to free.
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

}  // namespace

TIconHandle LoadModuleIconResource(HMODULE module, const TResourceName& group, int width,
                                   int height, UINT flags) {
  if (module == nullptr) return TIconHandle();
  const ResourceBits directory = FindBits(module, group.AsPointer(), RT_GROUP_ICON);
  if (!IsCompleteIconGroup(directory.bits, directory.size)) return TIconHandle();
  const int id = LookupIconIdFromDirectoryEx(const_cast<PBYTE>(directory.bits), TRUE, width,
                                             height, flags);
  if (id == 0) return TIconHandle();
  const ResourceBits image = FindBits(module, MAKEINTRESOURCEA(id), RT_ICON);
  if (image.bits == nullptr || image.size == 0) return TIconHandle();
  return TIconHandle(CreateIconFromResourceEx(const_cast<PBYTE>(image.bits), image.size, TRUE,
                                              0x00030000, width, height, flags));
}
