#include <gtest/gtest.h>
#include "app/Calculation.h"
TEST(Smoke, Builds) { velakor::Program p; SUCCEED(); }
