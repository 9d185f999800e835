#include "platform/TextCodec.h"
#include "trace/TForm10.h"
#include "trace/TForm9.h"
#include "trace/WhoisReply.h"
#include "trace/WhoisTarget.h"

#include <QListWidget>
#include <QScopeGuard>
#include <exception>

namespace corvanta {

void TForm9::ListBox1DblClick() {
    LbSpeedButton1Click();
}

void TForm9::LbSpeedButton1Click() {
    const auto selected = ListBox1->selectedItems();
    if (selected.isEmpty() || lookingUp_)
        return;
    if (TraceRunning) {
        setup_.dialogs.message(this, QStringLiteral("Who is working only after completing trace."),
                               MessageKind::Information, MessageButtons::Ok);
        return;
    }
    const auto target = whoisTargetOf(fromQt(selected.front()->text()));
    if (!target)
        return;
    // A client that lets events through must not let a second look-up start meanwhile.
    lookingUp_ = true;
    const auto lookedUp = qScopeGuard([this] { lookingUp_ = false; });
    std::string reply;
    try {
        reply = setup_.whois.query(target->domain);
    } catch (const std::exception& error) {
        setup_.dialogs.message(this, toQt(error.what()), MessageKind::Error, MessageButtons::Ok);
        return;
    }
    TForm10 window(setup_.dialogs, setup_.programFolder, this);
    window.showLookup(*target, whoisFieldLines(reply));
    setup_.dialogs.exec(window);
}

} // namespace corvanta
