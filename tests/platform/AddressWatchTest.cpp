#include "platform/DialupAddressWatch.h"

#include <gtest/gtest.h>
#include <stdexcept>

using corvanta::DialupAddressWatch;

namespace {

TEST(AddressWatch, ReadingsFollowTheConnectedAddress) {
    const struct {
        std::optional<std::string> reading;
        bool online;
        std::string address;
    } cases[] = {
        {std::nullopt, false, ""},         {"", false, ""},
        {"127.0.0.1", false, "127.0.0.1"}, {"198.51.100.7", true, "198.51.100.7"},
        {"127.0.0.2", true, "127.0.0.2"},
    };
    std::optional<std::string> reading;
    DialupAddressWatch watch([&] { return reading; });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        reading = c.reading;
        watch.refresh();
        EXPECT_EQ(watch.online(), c.online);
        EXPECT_EQ(watch.currentAddress(), c.address);
    }
}

TEST(AddressWatch, ReadsAtOnceAndKeepsTheReadingBetweenRefreshes) {
    std::optional<std::string> reading = "198.51.100.9";
    int reads = 0;
    DialupAddressWatch watch([&] {
        ++reads;
        return reading;
    });
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(watch.online());
    reading.reset();
    EXPECT_TRUE(watch.online()) << "a reading changes only on refresh";
}

TEST(AddressWatch, AFailedReadingKeepsTheLastOne) {
    bool fail = false;
    DialupAddressWatch watch([&]() -> std::optional<std::string> {
        if (fail)
            throw std::runtime_error("database is locked");
        return "198.51.100.3";
    });
    fail = true;
    EXPECT_NO_THROW(watch.refresh());
    EXPECT_EQ(watch.currentAddress(), "198.51.100.3");
}

} // namespace
