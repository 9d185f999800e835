#include "app/TForm1.h"

#include "app/VclTimer.h"
#include "guard/TForm5.h"
#include "platform/TextCodec.h"
#include "trace/TForm9.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <chrono>

namespace corvanta {
namespace {

bool addressUnknown(const std::string& ip) {
    return ip == "Unknown" || ip == "Offline";
}

// Keeps the windows alive during a wait without spinning a core.
void breathe() {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
}

} // namespace

std::int32_t TForm1::ProhibitedCallResponse(RasHandle connection, const RasConnStatus& status,
                                            std::int32_t code) {
    if (CheckBox2->isChecked() && CurrentIp == "Offline")
        return code; // judged again once the address is known

    // A poll nested inside this response (under the alert) only hangs up again.
    const bool firstResponse = responsesOpen_.insert(connection).second;
    if (!firstResponse) {
        HangUpConnection(connection);
        return code;
    }

    if (CheckBox8->isChecked())
        services_.sound.play("alarm.wav");
    Timer1->setEnabled(false);
    if (CheckBox2->isChecked())
        waitForAddress();
    std::string traceProblem;
    const bool traced = CheckBox7->isChecked();
    if (traced)
        traceProblem = runForcedTrace();
    Timer1->setEnabled(true);
    HangUpConnection(connection);

    if (CheckBox3->isChecked()) {
        showAlert(status);
        code = -1;
    }
    if (traced && traceProblem.empty())
        inform(toQt("Tracing info saved in:\n" + services_.programFolder + "PROHIBITED.LOG"));
    else if (traced)
        services_.dialogs.message(this, toQt(traceProblem), MessageKind::Error, MessageButtons::Ok);
    responsesOpen_.erase(connection);
    return code;
}

// The poll timer is stopped here, so the address is read from the watch directly.
void TForm1::waitForAddress() {
    const auto deadline = std::chrono::steady_clock::now() + services_.addressWaitLimit;
    while (addressUnknown(CurrentIp) && std::chrono::steady_clock::now() < deadline) {
        breathe();
        services_.addressWatch.refresh();
        const std::string address = services_.addressWatch.currentAddress();
        if (services_.addressWatch.online())
            CurrentIp = address.find("No match for ") == std::string::npos ? address : "Unknown";
    }
}

// Returns why the report could not be kept, or nothing when it was saved.
std::string TForm1::runForcedTrace() {
    LbSpeedButton3Click();
    TForm9* trace = TraceWindow;
    trace->ListBox1->setEnabled(false);
    trace->LbSpeedButton1->setEnabled(false);
    trace->startTrace();
    waitForTraceEnd();

    const std::string path = services_.programFolder + "PROHIBITED.LOG";
    QString error;
    const bool saved = trace->writeListTo(toQt(path), &error);
    trace->requestCloseWithoutQuestion();
    if (!saved)
        return "Tracing info was not saved in " + path + ":\n" + fromQt(error);
    return {};
}

void TForm1::waitForTraceEnd() {
    const auto deadline = std::chrono::steady_clock::now() + services_.traceWaitLimit;
    while (TraceWindow && TraceWindow->LbSpeedButton7->text() != "Ok") {
        if (std::chrono::steady_clock::now() >= deadline) {
            TraceWindow->LbSpeedButton7Click(); // stops the trace; the list keeps what came
            break;
        }
        breathe();
    }
}

void TForm1::showAlert(const RasConnStatus& status) {
    TForm5 alert(this);
    alert.fill(status.phoneNumber, status.deviceType, status.deviceName, CurrentIp);
    services_.dialogs.exec(alert);
}

} // namespace corvanta
