// The take-over's renumbering of the values a crashed copy left: every
// ordering the registry may list, with values that go, names twice and names
// of no number, played step by step: a copy killed after any step must leave
// each window taken over a value.
#include "app/storing/pure/TakeOverPlan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Case {
  const char* reason;
  std::vector<TKeptValue> values;
  std::map<std::string, uint32_t> after;
};

TKeptValue Kept(const char* name, uint32_t handle) { return {TString(name), handle, true}; }
TKeptValue Gone(const char* name, uint32_t handle) { return {TString(name), handle, false}; }

}  // namespace

TEST(TakeOverPlan, EveryWindowKeepsAValueAfterEveryStepAndEndsUnderItsNewId) {
  const Case cases[] = {
      {"three left stored, renumbered in order", {Kept("005000", 1), Kept("005002", 2), Kept("005005", 3)},
       {{"005000", 1}, {"005001", 2}, {"005002", 3}}},
      {"listed from the top: each new id holds a window still waiting",
       {Kept("005005", 3), Kept("005002", 2), Kept("005000", 1)}, {{"005000", 3}, {"005001", 2}, {"005002", 1}}},
      {"two swap their names", {Kept("005001", 1), Kept("005000", 2)}, {{"005000", 1}, {"005001", 2}}},
      {"a value that goes, on the first new id", {Gone("005000", 9), Kept("005001", 1)}, {{"005000", 1}}},
      {"a handle listed twice is taken once", {Kept("005003", 1), Gone("005000", 1)}, {{"005000", 1}}},
      {"names of no number and odd widths", {Kept("second", 1), Kept("5000", 2), Gone("", 0)},
       {{"005000", 1}, {"005001", 2}}},
      {"nothing taken over", {Gone("005000", 0), Gone("x", 5)}, {}},
      {"nothing there", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    std::map<std::string, uint32_t> registry;
    std::vector<uint32_t> takenOver;
    for (const TKeptValue& value : c.values) {
      registry[value.name.Bytes()] = value.handle;
      if (value.takenOver) takenOver.push_back(value.handle);
    }
    const std::vector<TValueStep> steps = PlanTakeOver(c.values, 5000);
    for (size_t s = 0; s < steps.size(); ++s) {
      const TValueStep& step = steps[s];
      if (step.kind == TValueStep::kWrite) {
        registry[step.name.Bytes()] = step.handle;
      } else {
        EXPECT_EQ(1u, registry.erase(step.name.Bytes())) << "step " << s << " deletes what is not there";
      }
      for (uint32_t handle : takenOver) {
        bool named = false;
        for (const auto& entry : registry) named = named || entry.second == handle;
        EXPECT_TRUE(named) << "after step " << s << " window " << handle << " has no value";
      }
    }
    EXPECT_EQ(c.after, registry);
  }
}

TEST(TakeOverPlan, ValuesAlreadyInPlaceAreNotWrittenAgain) {
  const std::vector<TValueStep> steps = PlanTakeOver({Kept("005000", 1), Kept("005001", 2)}, 5000);
  EXPECT_TRUE(steps.empty());
}
