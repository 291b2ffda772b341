#include <gtest/gtest.h>

#include "lang/fill.h"

namespace tzp::lang {
namespace {

TEST(Fill, PutsEachValueAtItsMarkInOnePass) {
    struct Case {
        const char* text;
        const char* filled;  // with "a" for %1 and "b" for %2
    };
    const Case cases[] = {
        {"%2 of %1", "b of a"},
        {"%1 and %1 again", "a and a again"},
        {"%3 has no value", "%3 has no value"},
        {"100% sure, %0 and %", "100% sure, %0 and %"},
        {"%%1 and %10", "%a and a0"},
        {"no mark", "no mark"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Fill(c.text, {"a", "b"}), c.filled) << c.text;
    }
    // A value's own mark is shown as it is; the ninth mark has its value too.
    EXPECT_EQ(Fill("%1 then %2", {"%2", "b"}), "%2 then b");
    EXPECT_EQ(Fill("%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}), "nine");
}

}  // namespace
}  // namespace tzp::lang
