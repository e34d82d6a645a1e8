#pragma once
// Caches that live for the whole run (icon sources, loaded modules, pictures)
// register their release here; the process entry releases them, newest
// first, after the application's main function returned.
using TReleaseFunction = void (*)();

void RegisterSharedRelease(TReleaseFunction release);
void ReleaseSharedResources();
