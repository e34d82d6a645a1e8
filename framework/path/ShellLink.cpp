#include <windows.h>
#include <shlobj.h>

#include "framework/path/ShellLink.h"

#include "framework/base/Owners.h"
#include "framework/system/ComScope.h"

namespace {

// The three identifiers, written out: the system's uuid library would bring
// every identifier it knows into the program (about 40 KB).
constexpr CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellLinkInterface = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kPersistFileInterface = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The shell-link object with its file interface.
struct TShellLinkObject {
  TComPtr<IShellLinkA> link;
  TComPtr<IPersistFile> file;
};

bool CreateLinkObject(TShellLinkObject& object) {
  if (FAILED(LazyCoCreateInstance(kShellLinkClass, CLSCTX_INPROC_SERVER, kShellLinkInterface,
                                  object.link.ReceiveVoid()))) {
    return false;
  }
  return SUCCEEDED(object.link->QueryInterface(kPersistFileInterface, object.file.ReceiveVoid()));
}

// IPersistFile speaks UTF-16 only; a path that does not fit MAX_PATH fails
// here instead of being cut to a different file's name.
bool ToWidePath(const TString& path, WCHAR (&wide)[MAX_PATH]) {
  return MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) != 0;
}

}  // namespace

bool CreateShortcut(const TString& linkPath, const TString& target, const TString& arguments,
                    const TString& iconPath, int iconIndex) {
  // Declared first, so the objects are released before COM is.
  const TComScope com;
  TShellLinkObject object;
  if (!CreateLinkObject(object)) return false;
  if (FAILED(object.link->SetPath(target.c_str()))) return false;
  if (FAILED(object.link->SetArguments(arguments.c_str()))) return false;
  if (!iconPath.IsEmpty() &&
      FAILED(object.link->SetIconLocation(iconPath.c_str(), iconIndex))) {
    return false;
  }
  WCHAR widePath[MAX_PATH] = {};
  if (!ToWidePath(linkPath, widePath)) return false;
  return SUCCEEDED(object.file->Save(widePath, TRUE));
}

bool ReadShortcut(const TString& linkPath, TString* target, TString* arguments,
                  TString* iconPath, int* iconIndex) {
  const TComScope com;
  TShellLinkObject object;
  if (!CreateLinkObject(object)) return false;
  WCHAR widePath[MAX_PATH] = {};
  if (!ToWidePath(linkPath, widePath)) return false;
  if (FAILED(object.file->Load(widePath, STGM_READ))) return false;

  // 260 characters and a terminator the call can never overwrite.
  char targetText[MAX_PATH + 1] = {};
  char argumentText[MAX_PATH + 1] = {};
  char iconText[MAX_PATH + 1] = {};
  int index = 0;
  if (target != nullptr) {
    WIN32_FIND_DATAA found{};
    if (FAILED(object.link->GetPath(targetText, MAX_PATH, &found, SLGP_UNCPRIORITY))) {
      return false;
    }
  }
  if (arguments != nullptr && FAILED(object.link->GetArguments(argumentText, MAX_PATH))) {
    return false;
  }
  const bool wantIcon = iconPath != nullptr || iconIndex != nullptr;
  if (wantIcon && FAILED(object.link->GetIconLocation(iconText, MAX_PATH, &index))) {
    return false;
  }

  if (target != nullptr) *target = TString(targetText);
  if (arguments != nullptr) *arguments = TString(argumentText);
  if (iconPath != nullptr) *iconPath = TString(iconText);
  if (iconIndex != nullptr) *iconIndex = index;
  return true;
}
