#include "platform/ConnectionEnumeration.h"
#include "platform/FakeDialupService.h"

#include <gtest/gtest.h>

using namespace corvanta;

TEST(ConnectionEnumeration, NoConnectionsIsOneCall) {
    FakeDialupService service;
    const ConnectionList list = enumerateConnections(service);
    EXPECT_EQ(list.result, ras::kSuccess);
    EXPECT_TRUE(list.connections.empty());
    EXPECT_EQ(service.enumCalls, 1);
}

TEST(ConnectionEnumeration, GrowsOnceForSeveralConnections) {
    FakeDialupService service;
    service.addConnection("0123", ras::kConnected);
    service.addConnection("0456", ras::kOpenPort);
    const ConnectionList list = enumerateConnections(service);
    EXPECT_EQ(list.result, ras::kSuccess);
    ASSERT_EQ(list.connections.size(), 2u);
    EXPECT_EQ(service.enumCalls, 2);
}

TEST(ConnectionEnumeration, GivesUpAfterFiveTooSmallAnswers) {
    FakeDialupService service;
    for (int i = 0; i < 7; ++i)
        service.scriptedEnumAnswers.push_back({ras::kBufferTooSmall, ras::kConnRecordSize * 2});
    const ConnectionList list = enumerateConnections(service);
    EXPECT_EQ(list.result, ras::kBufferTooSmall);
    EXPECT_EQ(service.enumCalls, 5);
}

TEST(ConnectionEnumeration, AbsurdSizeIsNotEnoughMemory) {
    FakeDialupService service;
    service.scriptedEnumAnswers.push_back({ras::kBufferTooSmall, 0xFFFFFFFFu});
    const ConnectionList list = enumerateConnections(service);
    EXPECT_EQ(list.result, ras::kNotEnoughMemory);
    EXPECT_EQ(service.enumCalls, 1);
}

TEST(ConnectionEnumeration, OtherErrorsEndAtOnce) {
    FakeDialupService service;
    service.scriptedEnumAnswers.push_back({ras::kInvalidSize, ras::kConnRecordSize});
    EXPECT_EQ(enumerateConnections(service).result, ras::kInvalidSize);
    EXPECT_EQ(service.enumCalls, 1);
}
