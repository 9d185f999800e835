#include "guard/PhoneMask.h"

#include <gtest/gtest.h>

using namespace corvanta;

// Worked examples of single masks (as the only prohibited mask) and of the two-list decision.
TEST(PhoneMask, DecisionExamples) {
    struct Case {
        const char* dialed;
        const char* cleaned;
        std::vector<std::string> prohibited, allowed;
        bool allowedExpected;
    } cases[] = {
        {"8W10 44 123", "81044123", {"810*"}, {}, false},
        {"810", "810", {"810*"}, {}, true}, // "*" needs one more digit
        {"0901", "0901", {"09?1"}, {}, false},
        {"09011", "09011", {"09?1"}, {}, true}, // longer than the mask
        {"090", "090", {"09?1"}, {}, true},     // shorter than the mask
        {"123", "123", {"*"}, {}, false},
        {"W-", "", {"*"}, {}, true},
        {"W-", "", {""}, {}, false},                // the empty mask matches only "no digits"
        {"8-809-1", "88091", {"8-809*"}, {}, true}, // masks are never cleaned
        {"84951234567", "84951234567", {"8*"}, {"8495*"}, true},
        {"88001234567", "88001234567", {"8*"}, {"8495*"}, false},
        {"0123", "0123", {"8*"}, {"8495*"}, true},
        {"0123", "0123", {}, {}, true},
        {"W-", "", {""}, {""}, true}, // both lists: allowed wins
        {"123", "123", {""}, {}, true},
        {"+7 (903) 1", "79031", {"8*", "7903?"}, {"9*"}, false},
        {"+7 (903) 1", "79031", {"7903?", "8*"}, {"9*"}, false}, // order never matters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CleanPhoneNumber(c.dialed), c.cleaned) << c.dialed;
        EXPECT_EQ(IsPhoneNumberAllowed(c.dialed, c.prohibited, c.allowed), c.allowedExpected)
            << c.dialed << " prohibited by " << (c.prohibited.empty() ? "-" : c.prohibited[0]);
    }
}

TEST(PhoneMask, MatchEdges) {
    struct Case {
        const char* mask;
        const char* number;
        bool match;
    } cases
        [] =
            {
                {"81*xyz", "8123", true}, // everything after "*" is ignored
                {"12*", "12", false},     {"12?", "12", false}, {"???", "123", true},
                {"", "", true},           {"", "1", false},     {"123", "124", false},
                {"1-3", "1-3", true}, // the matcher itself compares bytes; cleaning removes the "-"
            };
    for (const auto& c : cases)
        EXPECT_EQ(MatchMask(c.mask, c.number), c.match) << c.mask << " / " << c.number;
}

TEST(PhoneMask, MaskCanMatchFlagsCharactersNoCleanedNumberHas) {
    struct Case {
        const char* mask;
        bool canMatch;
    } cases[] = {
        {"", true},        {"0123456789?", true}, {"8*", true},  {"*-w", true},
        {"8-809*", false}, {"8w10*", false},      {" 8", false}, {"+7*", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MaskCanMatch(c.mask), c.canMatch) << c.mask;
}
