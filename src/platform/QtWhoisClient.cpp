#include "platform/QtWhoisClient.h"

#include "platform/TextCodec.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

namespace corvanta {
namespace {

// Tells the owner when the transfer begins and ends, also when it fails.
class WorkScope {
public:
    explicit WorkScope(IWhoisClient& client) : client_(client) {
        if (client_.onWorkBegin)
            client_.onWorkBegin();
    }
    ~WorkScope() {
        if (client_.onWorkEnd)
            client_.onWorkEnd();
    }
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

private:
    IWhoisClient& client_;
};

int remainingMilliseconds(const QDeadlineTimer& deadline) {
    return static_cast<int>(deadline.remainingTime());
}

std::string duration(std::chrono::milliseconds bound) {
    if (bound.count() % 1000 == 0)
        return std::to_string(bound.count() / 1000) + " seconds";
    return std::to_string(bound.count()) + " milliseconds";
}

} // namespace

QtWhoisClient::QtWhoisClient(std::string host, std::uint16_t port,
                             std::chrono::milliseconds timeout, std::int64_t maxReplyBytes)
    : host_(std::move(host)), port_(port), timeout_(timeout), maxReplyBytes_(maxReplyBytes) {}

std::string QtWhoisClient::query(const std::string& text) {
    const WorkScope work(*this);
    const std::string server = host_ + ":" + std::to_string(port_);
    const auto failure = [&](const std::string& what, const QTcpSocket& socket) {
        return WhoisError(what + " " + server + ": " + fromQt(socket.errorString()));
    };
    const QDeadlineTimer deadline(timeout_);
    QTcpSocket socket;
    socket.connectToHost(toQt(host_), port_);
    if (!socket.waitForConnected(remainingMilliseconds(deadline)))
        throw failure("Cannot connect to WHOIS server", socket);
    socket.write(QByteArray::fromStdString(text + "\r\n"));
    std::string reply;
    for (;;) {
        const QByteArray data = socket.readAll();
        reply.append(data.constData(), static_cast<std::size_t>(data.size()));
        if (static_cast<std::int64_t>(reply.size()) > maxReplyBytes_)
            throw WhoisError("The reply of WHOIS server " + server + " is larger than " +
                             std::to_string(maxReplyBytes_) + " bytes.");
        if (socket.state() == QAbstractSocket::UnconnectedState)
            break;
        if (deadline.hasExpired())
            throw WhoisError("WHOIS server " + server + " did not finish its reply within " +
                             duration(timeout_) + ".");
        if (!socket.waitForReadyRead(remainingMilliseconds(deadline)) &&
            socket.error() != QAbstractSocket::RemoteHostClosedError &&
            socket.error() != QAbstractSocket::SocketTimeoutError)
            throw failure("Connection broken to WHOIS server", socket);
    }
    return reply;
}

} // namespace corvanta
