#include <gtest/gtest.h>
#include "model/TWrestler.h"
TEST(Smoke, Builds) { TWrestler w; w.Reset(); EXPECT_EQ(w.Move, 5); }
