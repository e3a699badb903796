#pragma once

#include <cstdint>

// The program's two integer widths: counts, costs and points are 16-bit, building types 32-bit.
using Integer = std::int16_t;
using Long = std::int32_t;
