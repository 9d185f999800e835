#include "trace/WhoisTarget.h"

#include <gtest/gtest.h>

using namespace corvanta;

TEST(WhoisTarget, AddressAndDomainOfTraceLines) {
    struct Case {
        std::string line;
        std::optional<WhoisTarget> target;
    } cases[] = {
        {"  3    12 ms    11 ms    13 ms  core1.isp-net.alpha.beta [192.0.2.7]",
         WhoisTarget{"192.0.2.7", "alpha.beta"}},
        {"Tracing route to host.gamma.delta [198.51.100.10]",
         WhoisTarget{"198.51.100.10", "gamma.delta"}},
        {"  4    10 ms    10 ms    10 ms  10.1.1.1", WhoisTarget{"10.1.1.1", ""}},
        {"Current IP: 203.0.113.5", WhoisTarget{"203.0.113.5", "Current"}},
        {"Corvanta v.1.7 Build #39-13", std::nullopt},
        // Harder lines.
        {"no dots at all", std::nullopt},
        {"", std::nullopt},
        {"a.b", std::nullopt},
        {"10.1.1.1 first", WhoisTarget{"10.1.1.1", ""}},
        {"10.1.1.1", WhoisTarget{"10.1.1.1", ""}},
        {"gw.example.net 10.1.1.1", WhoisTarget{"10.1.1.1", "example.net"}},
        // Dots in the host name only: the text between the outer dots is taken as it is.
        {"  5  a1.b2.c3.d4", WhoisTarget{"1.b2.c3.", ""}},
        {"foo.bar.baz.qux", WhoisTarget{".bar.baz.", "foo"}},
        // Only letters next to the dot count; digits and hyphens end the runs.
        {"x-1.y2 [1.2.3.4]", WhoisTarget{"1.2.3.4", ".y"}},
        {"Hop.a1b 1.2.3.4", WhoisTarget{"1.2.3.4", "Hop.a"}},
        // The last three dots decide, even when more dotted numbers come before.
        {"1.2.3.4 then 5.6.7.8]", WhoisTarget{"5.6.7.8", "."}},
        {".1.2.3", WhoisTarget{".1.2.3", ""}},
        {"1.2.3.", WhoisTarget{"1.2.3.", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(whoisTargetOf(c.line), c.target) << c.line;
}
