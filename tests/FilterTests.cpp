#include <gtest/gtest.h>
#include "dsp/BiquadFilter.h"
TEST (Filters, Placeholder) { BiquadFilter f; double x = 1.0; f.process (x); EXPECT_EQ (x, 1.0); }
