#include "app/TForm1.h"

#include "platform/ConnectionEnumeration.h"
#include "trace/TForm9.h"

#include <QPushButton>

namespace corvanta {

void TForm1::MonitorTick() {
    if (TraceWindow) {
        if (TraceWindow->CloseRequested) {
            TraceWindow->deleteLater();
            TraceWindow = nullptr;
            LbSpeedButton3->setEnabled(true);
        } else {
            LbSpeedButton3->setEnabled(false);
        }
    }
    Button1->click();
}

void TForm1::Button1Click() {
    const ConnectionList list = enumerateConnections(services_.dialup);
    if (list.result != ras::kSuccess)
        return;

    EntryName = "Closed";
    DeviceType = "None";
    if (list.connections.empty()) {
        OutLog(-2, std::string());
        if (OptimisePending) {
            OptimisePending = false;
            RunDialOptimiser();
        }
    }

    for (const RasConn& connection : list.connections) {
        EntryName = connection.entryName;
        DeviceType = connection.deviceType;
        RasConnStatus status;
        const RasStatus error = services_.dialup.getConnectStatus(connection.handle, status);
        if (error != ras::kSuccess) {
            // Nothing trustworthy to judge: report and look again at the next poll.
            reportStatusFailure(connection.handle, error);
            continue;
        }
        PhoneNumber = status.phoneNumber;
        if (!InTimeLimit)
            HangUpConnection(connection.handle);
        std::int32_t code = status.state;
        if (!CheckPhoneNumber(status.phoneNumber))
            code = ProhibitedCallResponse(connection.handle, status, code);
        OutLog(code, status.phoneNumber);
    }
}

void TForm1::HangUpConnection(RasHandle connection) {
    services_.dialup.hangUp(connection);
    InTimeLimit = true;
    ConnectStart = 0;
}

// Polls go on under the box, so the same failure shows one box at a time.
void TForm1::reportStatusFailure(RasHandle connection, RasStatus error) {
    const auto failure = std::make_pair(connection, error);
    if (!statusFailuresShown_.insert(failure).second)
        return;
    services_.dialogs.message(this, QString("Error in RasGetConnectStatus #%1").arg(error),
                              MessageKind::Error, MessageButtons::Ok);
    statusFailuresShown_.erase(failure);
}

} // namespace corvanta
