#pragma once
// A shape that keeps every change its elements report, in order.
#include <vector>

#include "framework/window/shapes/TShape.h"

class TCountingShape : public TShape {
 public:
  explicit TCountingShape(const char* title) : TShape(nullptr, title) {}
  void OnElementChange(void* element) override { changes.push_back(element); }
  std::vector<void*> changes;
};
