#include "app/TForm1.h"

#include "log/ConnectionLogState.h"
#include "log/LogFile.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QStatusBar>

namespace corvanta {

void TForm1::OutLog(std::int32_t code, const std::string& number) {
    const OutLogOptions options{CheckBox1->isChecked(), CheckBox4->isChecked(),
                                CheckBox11->isChecked(), CSpinEdit1->value()};
    const OutLogMembers members{CurrentIp,  PreviousIp,      ConnectStart, InTimeLimit,
                                TrayDetail, OptimisePending, EntryName};
    IAddressWatch& watch = services_.addressWatch;
    const TDateTime now = services_.clock.now();

    const OutLogChange change = logState_->begin(
        code, number, now, {watch.online(), watch.currentAddress()}, options, members);
    TrayIcon1->setPicture(change.state.picture);
    if (change.counted) {
        setWindowTitle(toQt(change.title));
        StatusBar1->showMessage(toQt(change.status));
        QApplication::processEvents();
        if (const auto record = logState_->finishChange(change, options, members))
            appendLogRecord(*record);
    }
    const TrayHintAccess tray{[this](const std::string& h) { return TrayIcon1->setHint(h); },
                              [this] { return TrayIcon1->hint(); }};
    if (const auto status = logState_->updateTray(change, now, options, members, tray))
        StatusBar1->showMessage(toQt(*status));
}

// A record that cannot be written is kept for the next append; the user hears of it once.
void TForm1::appendLogRecord(const std::string& record) {
    if (logFile_->append(record)) {
        logProblemReported_ = false;
        return;
    }
    if (logProblemReported_)
        return;
    logProblemReported_ = true;
    services_.dialogs.message(
        this,
        toQt("The connection log " + logFile_->path() +
             " cannot be written. Its records are kept and written as soon as it can be."),
        MessageKind::Warning, MessageButtons::Ok);
}

} // namespace corvanta
