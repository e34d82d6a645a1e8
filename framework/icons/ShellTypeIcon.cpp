#include <windows.h>
#include <shellapi.h>

#include "framework/icons/ShellTypeIcon.h"

#include "framework/icons/ShellInfoIcon.h"

TIconHandle TShellTypeIcon::MakeIcon(int kind) {
  return ShellTypeInfoIcon(path_, kind == kSmallIcon ? SHGFI_SMALLICON : 0);
}
