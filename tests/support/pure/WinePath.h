#pragma once
// Unix paths as Wine sees them: the Unix root is drive Z:.
#include <string>

// "/work/build" gives "Z:\work\build"; a path that does not start with "/"
// (already a Windows path, or empty) is returned unchanged.
std::string WinePathFromUnix(const std::string& unixPath);
