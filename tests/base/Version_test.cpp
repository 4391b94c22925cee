#include "base/Version.h"

#include <gtest/gtest.h>

#include <string>

// The update check sends the version in its query: it must be a plain dotted number.
TEST(Version, IsDottedNumber)
{
    std::string v = VersionProgramme();
    ASSERT_FALSE(v.empty());
    for (char c : v)
        EXPECT_TRUE((c >= '0' && c <= '9') || c == '.') << v;
}
