#pragma once
// The predefined roots a key path can hang from. Kept as named constants so
// that callers pass a root like any other key: tests hand a throwaway key in
// the same place and need no redirection of HKEY_CURRENT_USER.
#include <windows.h>

inline const HKEY RegLocalMachine = HKEY_LOCAL_MACHINE;
inline const HKEY RegClassesRoot = HKEY_CLASSES_ROOT;
inline const HKEY RegUsers = HKEY_USERS;
inline const HKEY RegCurrentUser = HKEY_CURRENT_USER;
inline const HKEY RegDynData = HKEY_DYN_DATA;
inline const HKEY RegCurrentConfig = HKEY_CURRENT_CONFIG;
