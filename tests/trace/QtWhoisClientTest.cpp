#include "platform/QtWhoisClient.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace corvanta;
using namespace std::chrono_literals;

namespace {

// A WHOIS server on loopback, in a thread of its own because the client blocks: it takes one
// query line, answers and closes.
class LoopbackServer {
public:
    explicit LoopbackServer(QByteArray reply) {
        std::promise<quint16> listening;
        auto portKnown = listening.get_future();
        thread_ = std::thread([this, reply, &listening] {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost);
            listening.set_value(server.serverPort());
            if (!server.waitForNewConnection(10000))
                return;
            QTcpSocket* socket = server.nextPendingConnection();
            while (!socket->canReadLine() && socket->waitForReadyRead(10000)) {
            }
            query_ = socket->readLine().toStdString();
            socket->write(reply);
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(10000);
        });
        port_ = portKnown.get();
    }
    ~LoopbackServer() { finish(); }

    quint16 port() const { return port_; }
    // The line the client sent.
    std::string query() {
        finish();
        return query_;
    }

private:
    void finish() {
        if (thread_.joinable())
            thread_.join();
    }

    std::thread thread_;
    quint16 port_ = 0;
    std::string query_;
};

struct WorkCounter {
    int begins = 0, ends = 0;
    void attach(IWhoisClient& client) {
        client.onWorkBegin = [this] { ++begins; };
        client.onWorkEnd = [this] { ++ends; };
    }
};

std::string failureOf(QtWhoisClient& client) {
    try {
        client.query("example.net");
    } catch (const WhoisError& error) {
        return error.what();
    }
    return "no failure";
}

} // namespace

TEST(QtWhoisClient, SendsTheQueryAndReturnsTheWholeReply) {
    QByteArray reply(100000, 'x');
    reply += "\r\n   Domain Name: EXAMPLE.NET\r\n\xE9\xFF";
    LoopbackServer server(reply);
    QtWhoisClient client("127.0.0.1", server.port(), 10s);
    WorkCounter work;
    work.attach(client);
    EXPECT_EQ(client.query("example.net"), reply.toStdString());
    EXPECT_EQ(server.query(), "example.net\r\n");
    EXPECT_EQ(work.begins, 1);
    EXPECT_EQ(work.ends, 1);
}

TEST(QtWhoisClient, FailsWithinItsBounds) {
    // Listening but never answering: the connection is made by the system, no reply comes.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    QtWhoisClient waiting("127.0.0.1", silent.serverPort(), 300ms);
    WorkCounter work;
    work.attach(waiting);
    EXPECT_EQ(failureOf(waiting), "WHOIS server 127.0.0.1:" + std::to_string(silent.serverPort()) +
                                      " did not finish its reply within 300 milliseconds.");
    EXPECT_EQ(work.ends, 1);

    // A port nobody listens on refuses.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 closedPort = closed.serverPort();
    closed.close();
    QtWhoisClient refused("127.0.0.1", closedPort, 10s);
    EXPECT_EQ(failureOf(refused).rfind("Cannot connect to WHOIS server 127.0.0.1:", 0), 0u);

    // A reply beyond the size bound.
    LoopbackServer flooding(QByteArray(5000, 'y'));
    QtWhoisClient bounded("127.0.0.1", flooding.port(), 10s, 4096);
    EXPECT_EQ(failureOf(bounded),
              "The reply of WHOIS server 127.0.0.1:" + std::to_string(flooding.port()) +
                  " is larger than 4096 bytes.");
}
