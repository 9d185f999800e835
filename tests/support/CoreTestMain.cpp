#include "TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    corvanta::test::testHome();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
