#include "app/TForm1.h"

#include "trace/TForm9.h"
#include "trace/TraceSetup.h"

#include <QListWidget>
#include <QPushButton>

namespace corvanta {

void TForm1::LbSpeedButton3Click() {
    LbSpeedButton3->setEnabled(false);
    // Only a forced trace can find one open (the button is disabled meanwhile): the new one
    // takes its place.
    if (TraceWindow)
        TraceWindow->deleteLater();
    const TraceSetup setup{services_.dialogs,       services_.runners,  services_.whois,
                           services_.programFolder, PhoneNumber,        CurrentIp,
                           services_.clock.now(),   services_.traceHost};
    TraceWindow = new TForm9(setup, this);
    TraceWindow->ListBox1->setCurrentRow(TraceWindow->ListBox1->count() - 1);
    TraceWindow->show();
    TraceWindow->raise();
    TraceWindow->activateWindow();
}

} // namespace corvanta
