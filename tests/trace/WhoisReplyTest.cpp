#include "trace/WhoisReply.h"

#include <gtest/gtest.h>

using namespace corvanta;

TEST(WhoisReply, KeepsOnlyIndentedFieldsTrimmed) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* name;
        std::string reply;
        Lines lines;
    } cases[] = {
        {"indented fields trimmed",
         "Domain record:\r\n   Domain Name: EXAMPLE.NET  \r\n   Registrar: R\r\n",
         {"Domain Name: EXAMPLE.NET", "Registrar: R"}},
        {"no indented lines", "NOTICE: text\nTERMS OF USE\n", {}},
        {"last line without line end is lost", "  kept\n  lost", {"kept"}},
        {"tab cuts a line, pieces judged alone",
         "  Name:\tvalue\n\t  after tab\n",
         {"Name:", "after tab"}},
        {"blank-only piece is an empty line", "   \nx\n", {""}},
        {"bytes above 'z' end a piece", "  caf\xE9 ok\n  a{b\n  ~\n", {"caf", "ok", "a", ""}},
        {"character 0x7F ends a piece", "  del\x7Fmore\n", {"del"}},
        {"'z' and blank are the range's ends", " z z\n", {"z z"}},
        {"empty reply", "", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(whoisFieldLines(c.reply), c.lines) << c.name;
}
