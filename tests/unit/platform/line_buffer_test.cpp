#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/line_buffer.h"

namespace tzp::platform {
namespace {

TEST(LineBuffer, GivesWholeLinesAsTheyComeAndNoneLongerThanAsked) {
    struct Case {
        std::vector<std::string> chunks;
        size_t maxLength;
        std::vector<std::string> lines;  // taken after the last chunk, in order
        size_t left;                     // bytes still waiting
    };
    const std::vector<Case> cases{
        {{"one\ntw", "o\n"}, std::string::npos, {"one", "two"}, 0},
        {{"no line end yet"}, std::string::npos, {}, 15},
        {{"\n\nx"}, std::string::npos, {"", ""}, 1},
        {{"abcd\nef\n"}, 3, {}, 8},  // the first line is too long: nothing is taken
        {{"abc\nabcd\n"}, 3, {"abc"}, 5},
        {{"tab\tand \\ stay\n"}, std::string::npos, {"tab\tand \\ stay"}, 0},
    };
    for (const auto& c : cases) {
        LineBuffer buffer;
        for (const auto& chunk : c.chunks) {
            buffer.Append(chunk);
        }
        std::vector<std::string> lines;
        while (auto line = buffer.TakeLine(c.maxLength)) {
            lines.push_back(*line);
        }
        EXPECT_EQ(lines, c.lines) << c.chunks[0];
        EXPECT_EQ(buffer.Size(), c.left) << c.chunks[0];
        buffer.Clear();
        EXPECT_EQ(buffer.Size(), 0u);
        EXPECT_FALSE(buffer.TakeLine());
    }
}

}  // namespace
}  // namespace tzp::platform
