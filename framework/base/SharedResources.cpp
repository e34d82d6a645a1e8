#include "framework/base/SharedResources.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<TReleaseFunction>& Releases() {
  static std::vector<TReleaseFunction> releases;
  return releases;
}
}  // namespace

void RegisterSharedRelease(TReleaseFunction release) {
  auto& releases = Releases();
  if (release != nullptr && std::find(releases.begin(), releases.end(), release) == releases.end()) {
    releases.push_back(release);
  }
}

void ReleaseSharedResources() {
  auto& releases = Releases();
  while (!releases.empty()) {
    const TReleaseFunction release = releases.back();
    releases.pop_back();
    release();
  }
}
