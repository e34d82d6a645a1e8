#include <windows.h>
#include <shellapi.h>

#include "framework/util/ShellTypeIcon.h"

#include "framework/util/ShellInfoIcon.h"

TIconHandle TShellTypeIcon::MakeIcon(int kind) {
  return ShellTypeInfoIcon(path_, kind == kSmallIcon ? SHGFI_SMALLICON : 0);
}
