#pragma once
// The running system's version word (see VersionWord.h) and platform ID, asked
// once and kept for the life of the process. Both are 0 when the system does
// not answer.
#include <cstdint>

uint32_t SystemVersionWord();
uint32_t SystemPlatformId();
