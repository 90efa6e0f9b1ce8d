#include "fuzz_main.h"
SKELVAN_FUZZ_TARGET(CheckDockCount)
