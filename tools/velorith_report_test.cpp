#include <gtest/gtest.h>
TEST(VelorithReport, Placeholder) {}
