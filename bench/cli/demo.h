// The demo flight of tarmelon-bench.
#pragma once

#include "bench.h"

int run_demo(bench::Options options);
