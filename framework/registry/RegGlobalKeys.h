#pragma once
// The two key lists that fix where settings live: the application's own key
// and the framework's. Built once at process start, destroyed at the end.
// They are handed out const because they are never opened themselves: each
// access copies one (OpenSection does) and opens the copy.
#include <windows.h>

#include "framework/registry/RegRoots.h"
#include "framework/registry/TRegKeyList.h"

constexpr char kApplicationKeyPath[] = "Software\\Quillon\\Stowpane\\3.x";
// The trailing backslash is part of the framework's name for its key.
constexpr char kLibraryKeyPath[] = "Software\\Quillon\\VellumLibrary\\";

// Both lists, one entry each, below `root` (HKEY_CURRENT_USER in the program;
// tests pass a throwaway key). A null path means kApplicationKeyPath. Calling
// it again replaces both lists.
void CreateGlobalKeyLists(const char* applicationKeyPath, HKEY root = RegCurrentUser);
void DestroyGlobalKeyLists();

// Empty lists before CreateGlobalKeyLists and after DestroyGlobalKeyLists:
// reads then yield defaults and writes fail, rather than touching a stray key.
const TRegKeyList& ApplicationKeys();
const TRegKeyList& LibraryKeys();
