#include <windows.h>
#include <shellapi.h>

#include "framework/util/ShellFileIcon.h"

#include "framework/util/ShellInfoIcon.h"

TIconHandle TShellFileIcon::MakeIcon(int kind) {
  return ShellInfoIcon(path_, FILE_ATTRIBUTE_ARCHIVE, kind == kSmallIcon ? SHGFI_SMALLICON : 0);
}
