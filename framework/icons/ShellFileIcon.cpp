#include <windows.h>
#include <shellapi.h>

#include "framework/icons/ShellFileIcon.h"

#include "framework/icons/ShellInfoIcon.h"

TIconHandle TShellFileIcon::MakeIcon(int kind) {
  return ShellInfoIcon(path_, FILE_ATTRIBUTE_ARCHIVE, kind == kSmallIcon ? SHGFI_SMALLICON : 0);
}
