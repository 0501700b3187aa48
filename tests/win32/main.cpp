// The Windows tests are linked with -municode like the program itself, so the
// entry point is wmain and GoogleTest's own main cannot be used.
#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
