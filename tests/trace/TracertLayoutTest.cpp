#include "trace/TracertLayout.h"
#include "trace/WhoisTarget.h"

#include <gtest/gtest.h>

using namespace corvanta;

TEST(TracertLayout, RewritesTracerouteLines) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string traceroute;
        Lines tracert;
    } cases[] = {
        {"traceroute to www.example.com (192.0.2.80), 30 hops max, 60 byte packets",
         {"", "Tracing route to www.example.com [192.0.2.80]", "over a maximum of 30 hops:", ""}},
        {"traceroute to 192.0.2.80 (192.0.2.80), 30 hops max, 60 byte packets",
         {"", "Tracing route to 192.0.2.80 over a maximum of 30 hops", ""}},
        {" 1  _gateway (192.168.1.1)  0.412 ms  0.383 ms  0.371 ms",
         {"  1    <1 ms    <1 ms    <1 ms  _gateway [192.168.1.1]"}},
        {" 2  10.20.0.1 (10.20.0.1)  12.941 ms  11.2 ms  1234.5 ms",
         {"  2    12 ms    11 ms  1234 ms  10.20.0.1"}},
        {" 3  * * *", {"  3     *        *        *     Request timed out."}},
        {" 4  * core1.isp-net.alpha.beta (203.0.113.9)  25.1 ms *",
         {"  4     *       25 ms     *     core1.isp-net.alpha.beta [203.0.113.9]"}},
        // Several hosts answer one hop: the first names it, notes like !H are left out.
        {"12  a.example (198.51.100.1)  30.0 ms !H b.example (198.51.100.2)  31.0 ms  32.0 ms !N",
         {" 12    30 ms    31 ms    32 ms  a.example [198.51.100.1]"}},
        // Numeric output names the hop by its address alone.
        {" 5  198.51.100.7  8.0 ms  9.0 ms  10.0 ms",
         {"  5     8 ms     9 ms    10 ms  198.51.100.7"}},
        // Lines that are neither pass unchanged.
        {"example.invalid: Name or service not known",
         {"example.invalid: Name or service not known"}},
        {"", {""}},
        {" 6  (10.0.0.1)  1.0 ms", {" 6  (10.0.0.1)  1.0 ms"}},
        {" 7  host (10.0.0.1)  abc ms", {" 7  host (10.0.0.1)  abc ms"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tracertLines(c.traceroute), c.tracert) << c.traceroute;
}

TEST(TracertLayout, HopLinesEndWithTheAddressTheLookUpFinds) {
    // A host name full of numbers must not hide the hop's address.
    const auto lines =
        tracertLines(" 8  10.1.2.3.dyn.example.net (203.0.113.77)  20.0 ms 21.5 ms  22.9 ms !X");
    ASSERT_EQ(lines.size(), 1u);
    const auto target = whoisTargetOf(lines[0]);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->address, "203.0.113.77");
    EXPECT_EQ(target->domain, "example.net");
}

TEST(TracertLayout, EndSaysHowTracerouteEnded) {
    EXPECT_EQ(tracertEnd(0), (std::vector<std::string>{"", "Trace complete."}));
    EXPECT_EQ(tracertEnd(2),
              (std::vector<std::string>{"Trace failed: traceroute ended with status 2."}));
}
