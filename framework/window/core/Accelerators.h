#pragma once
// A shape's keyboard accelerators: ACCEL bits (FVIRTKEY 0x01, FSHIFT 0x04,
// FCONTROL 0x08, FALT 0x10), a virtual key and a command id.
#include <cstdint>
#include <vector>

struct TAccelerator {
  uint8_t flags;
  uint16_t key;
  uint16_t command;
};

using TAcceleratorTable = std::vector<TAccelerator>;
