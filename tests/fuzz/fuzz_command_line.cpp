// The command-line parser over arbitrary bytes: never a crash or an over-read,
// and every piece it returns comes from the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/path/pure/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString text(reinterpret_cast<const char*>(data), size);
  const TCommandLine parsed = ParseCommandLine(text);
  size_t total = parsed.programPath.Length();
  for (const TString& s : parsed.switches) {
    total += s.Length();
    SwitchValue(s);
  }
  // File arguments gain one blank per joined piece, never more than the input had.
  for (const TString& f : parsed.files) total += f.Length();
  if (total > size) std::abort();
  FindSwitch(parsed.switches, "/restore");
  HelpFilePath(parsed.programPath);
  // The named file is a piece of the line.
  const TString named = NamedFile(text);
  if (text.Bytes().find(named.Bytes()) == std::string::npos) std::abort();
  return 0;
}
