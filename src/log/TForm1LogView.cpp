#include "app/TForm1.h"

#include "log/LogFile.h"
#include "log/TForm6.h"
#include "platform/TextCodec.h"

#include <QCheckBox>

namespace corvanta {

void TForm1::CheckBox1Click() {
    CheckBox4->setEnabled(CheckBox1->isChecked());
}

void TForm1::LbSpeedButton7Click() {
    const LogFileContents contents = logFile_->readAll();
    if (!contents.ok()) {
        services_.dialogs.message(this, toQt(contents.error), MessageKind::Error,
                                  MessageButtons::Ok);
        return;
    }
    TForm6 viewer(contents.lines, this);
    services_.dialogs.exec(viewer);
}

void TForm1::LbSpeedButton8Click() {
    if (services_.dialogs.message(this, "Logfile will be cleared! Continue?", MessageKind::Warning,
                                  MessageButtons::OkCancel) == MessageResult::Ok)
        logFile_->clear(services_.clock.now());
}

} // namespace corvanta
