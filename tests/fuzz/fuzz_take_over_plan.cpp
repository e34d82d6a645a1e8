// The take-over's renumbering over any registry the crashed copy (or an
// editing hand) may have left: names in any order, numbers or not, handles
// named twice, values that go. After every step each window taken over
// keeps a value; at the end exactly the new ids remain.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/storing/pure/TakeOverPlan.h"
#include "app/storing/pure/TrayText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<TKeptValue> values;
  std::set<std::string> names;
  std::set<uint32_t> takenOver;
  std::vector<uint32_t> order;
  for (size_t i = 0; i + 2 < size && values.size() < 40; i += 3) {
    // Mostly the ids a run writes, now and then a name that is no id.
    const std::string name =
        data[i] < 0xF0 ? TrayIconValueName(5000 + data[i] % 24).Bytes() : std::string(1 + data[i] % 3, 'x');
    if (!names.insert(name).second) continue;  // a key holds each name once
    const uint32_t handle = data[i + 1] % 8;
    const bool wanted = (data[i + 2] & 1) != 0 && handle != 0 && takenOver.count(handle) == 0;
    if (wanted) {
      takenOver.insert(handle);
      order.push_back(handle);
    }
    values.push_back({TString(name.c_str()), handle, wanted});
  }
  std::map<std::string, uint32_t> registry;
  for (const TKeptValue& value : values) registry[value.name.Bytes()] = value.handle;
  for (const TValueStep& step : PlanTakeOver(values, 5000)) {
    if (step.kind == TValueStep::kWrite) {
      registry[step.name.Bytes()] = step.handle;
    } else if (registry.erase(step.name.Bytes()) != 1) {
      std::abort();
    }
    for (uint32_t handle : takenOver) {
      bool named = false;
      for (const auto& entry : registry) named = named || entry.second == handle;
      if (!named) std::abort();
    }
  }
  std::map<std::string, uint32_t> expected;
  for (size_t i = 0; i < order.size(); ++i) expected[TrayIconValueName(5000 + static_cast<int>(i)).Bytes()] = order[i];
  if (registry != expected) std::abort();
  return 0;
}
