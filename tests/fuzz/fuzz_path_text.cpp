// The pure path operations over arbitrary bytes: never a crash or an
// over-read, and the parts of a path always put it back together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/path/pure/PathText.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}

bool EndsWith(const TString& text, const TString& tail) {
  return text.Length() >= tail.Length() &&
         text.Bytes().compare(text.Length() - tail.Length(), tail.Length(), tail.Bytes()) == 0;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString path(reinterpret_cast<const char*>(data), size);
  const size_t half = size / 2;
  const TString program(reinterpret_cast<const char*>(data), half);

  Check(FolderPart(path) + FileNamePart(path) == path);
  Check(EndsWith(FileNamePart(path), ExtensionOf(path)));
  const TTextList parts = PathComponents(path);
  for (const TString& part : parts) Check(!part.IsEmpty());
  const TString root = DriveRoot(path);
  Check(root.IsEmpty() || root.At(root.Length() - 1) == '\\');
  const TString quoted = QuoteText(path);
  Check(quoted.At(0) == '"');
  UnquoteText(path);
  AbsolutePath(path, program);
  ProgramPathOf(path);
  Check(ProgramPart(path).Length() <= path.Length());
  Check(NextNumberedName(path) != path);
  Check(ArrayToList(ListToArray(parts)).Count() == parts.Count());
  return 0;
}
