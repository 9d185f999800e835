#include "trace/LineSplitter.h"

#include <gtest/gtest.h>

using namespace corvanta;

namespace {

constexpr auto Entire = OutputKind::EntireLine;
constexpr auto Beginning = OutputKind::BeginningOfLine;

std::vector<OutputLine> run(const std::vector<std::string>& chunks) {
    LineSplitter splitter;
    std::vector<OutputLine> all;
    for (const auto& chunk : chunks)
        for (auto& line : splitter.feed(chunk))
            all.push_back(line);
    for (auto& line : splitter.finish())
        all.push_back(line);
    return all;
}

} // namespace

TEST(LineSplitter, CutsChunksIntoLines) {
    struct Case {
        const char* name;
        std::vector<std::string> chunks;
        std::vector<OutputLine> lines;
    } cases[] = {
        {"each line end",
         {"a\nb\rc\r\nd\n"},
         {{"a", Entire}, {"b", Entire}, {"c", Entire}, {"d", Entire}}},
        {"empty lines stay lines", {"\n\r\n\r"}, {{"", Entire}, {"", Entire}, {"", Entire}}},
        {"LF CR is two ends", {"a\n\rb\n"}, {{"a", Entire}, {"", Entire}, {"b", Entire}}},
        {"CR LF split across chunks", {"a\r", "\nb\n"}, {{"a", Entire}, {"b", Entire}}},
        {"piece, then its rest",
         {"  1  12", " ms", " hop\n"},
         {{"  1  12", Beginning}, {"  1  12 ms", Beginning}, {"  1  12 ms hop", Entire}}},
        {"line end alone completes a piece", {"abc", "\n"}, {{"abc", Beginning}, {"abc", Entire}}},
        {"piece after a complete line",
         {"a\nbc"},
         {{"a", Entire}, {"bc", Beginning}, {"bc", Entire}}},
        {"rest at the end is entire", {"tail"}, {{"tail", Beginning}, {"tail", Entire}}},
        {"nothing at all", {}, {}},
        {"bytes above 127 pass", {"\xE9t\xE9\n"}, {{"\xE9t\xE9", Entire}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.chunks), c.lines) << c.name;
}

TEST(LineSplitter, FinishTwiceGivesTheRestOnce) {
    LineSplitter splitter;
    splitter.feed("rest");
    EXPECT_EQ(splitter.finish().size(), 1u);
    EXPECT_TRUE(splitter.finish().empty());
}
