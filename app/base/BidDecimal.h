#pragma once

// The one include of the Intel decimal floating-point library. The macros select the
// call-by-value variant with explicit rounding mode and status flags (libbidgcc000); they must
// match the library that CMake links.
#define DECIMAL_CALL_BY_REFERENCE 0
#define DECIMAL_GLOBAL_ROUNDING 0
#define DECIMAL_GLOBAL_EXCEPTION_FLAGS 0

extern "C" {
#include <bid_conf.h>
#include <bid_functions.h>
}
