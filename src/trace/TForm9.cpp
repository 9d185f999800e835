#include "trace/TForm9.h"

#include "guard/LbButton.h"
#include "platform/TextCodec.h"
#include "trace/BusyIndicator.h"
#include "trace/LineFile.h"
#include "trace/TraceHeader.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace corvanta {
namespace {

// The runner's limits, in seconds: start to end, and since the last output.
constexpr int TotalLimitSeconds = 60000;
constexpr int IdleLimitSeconds = 1000;

} // namespace

TForm9::TForm9(const TraceSetup& setup, QWidget* parent)
    : CenteredDialog(parent, QStringLiteral("Corvanta - Trace")), setup_(setup),
      DosCommand1(setup.runners.create()) {
    createControls();
    for (const auto& line : traceHeaderLines(setup_.openedAt, setup_.phoneNumber, setup_.currentIp))
        ListBox1->addItem(toQt(line));
    ListBox1->setCurrentRow(ListBox1->count() - 1);
    DosCommand1->setTimeLimits(TotalLimitSeconds, IdleLimitSeconds);
    DosCommand1->onNewLine = [this](const std::string& text, OutputKind kind) {
        DosCommand1NewLine(text, kind);
    };
    DosCommand1->onTerminated = [this] { DosCommand1Terminated(); };
    setup_.whois.onWorkBegin = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    setup_.whois.onWorkEnd = [] { QApplication::restoreOverrideCursor(); };
}

TForm9::~TForm9() {
    // Destroying the runner ends a command still running; nothing may reach this window then.
    DosCommand1->onNewLine = nullptr;
    DosCommand1->onTerminated = nullptr;
}

void TForm9::createControls() {
    ListBox1 = new QListWidget(this);
    ListBox1->setToolTip(QStringLiteral("Double click for Who Is"));
    ListBox1->setMinimumSize(560, 320);
    LbSpeedButton2 = makeLbButton(QStringLiteral("Save"), this);
    Animate1 = new BusyIndicator(this);
    Animate1->hide();
    LbSpeedButton1 = makeLbButton(QStringLiteral("WhoIs"), this);
    LbSpeedButton7 = makeLbButton(QStringLiteral("OK"), this);
    okButtonStyle_ = LbSpeedButton7->styleSheet();
    setOkCaption(QStringLiteral("OK"), "lime");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LbSpeedButton2);
    buttons->addStretch();
    buttons->addWidget(Animate1);
    buttons->addStretch();
    buttons->addWidget(LbSpeedButton1);
    buttons->addWidget(LbSpeedButton7);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);

    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    connect(LbSpeedButton1, &QPushButton::clicked, this, [this] { LbSpeedButton1Click(); });
    connect(LbSpeedButton2, &QPushButton::clicked, this, [this] { LbSpeedButton2Click(); });
    connect(LbSpeedButton7, &QPushButton::clicked, this, [this] { LbSpeedButton7Click(); });
}

void TForm9::setOkCaption(const QString& caption, const char* hoverColour) {
    LbSpeedButton7->setText(caption);
    LbSpeedButton7->setStyleSheet(okButtonStyle_ +
                                  QStringLiteral("QPushButton:hover { background-color: %1; }")
                                      .arg(QLatin1String(hoverColour)));
}

void TForm9::showEvent(QShowEvent* event) {
    CenteredDialog::showEvent(event);
    // Desktops may refuse to activate a window that opens by itself, so showing it is
    // enough; a later turn of the event loop starts the trace once the window is up.
    if (!traceStarted_)
        QTimer::singleShot(0, this, [this] { startTrace(); });
}

void TForm9::changeEvent(QEvent* event) {
    CenteredDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        startTrace();
}

void TForm9::closeEvent(QCloseEvent* event) {
    event->ignore(); // only the owner ends this window
}

void TForm9::reject() {}

void TForm9::startTrace() {
    if (traceStarted_ || CloseRequested)
        return;
    traceStarted_ = true;
    TraceRunning = true;
    setOkCaption(QStringLiteral("Stop!"), "red");
    // Shown before the start: a command that cannot start ends before start returns.
    Animate1->show();
    Animate1->start();
    DosCommand1->start("tracert " + setup_.targetHost);
}

void TForm9::DosCommand1NewLine(const std::string& text, OutputKind kind) {
    if (text.empty() || kind == OutputKind::BeginningOfLine)
        return;
    QString line = toQt(text);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool following = ListBox1->currentRow() == ListBox1->count() - 1;
    ListBox1->addItem(line);
    if (following) {
        ListBox1->setCurrentRow(ListBox1->count() - 1);
        ListBox1->scrollToBottom();
    }
}

void TForm9::DosCommand1Terminated() {
    TraceRunning = false;
    setOkCaption(QStringLiteral("Ok"), "lime");
    Animate1->stop();
    Animate1->hide();
}

void TForm9::LbSpeedButton7Click() {
    if (LbSpeedButton7->text() == QStringLiteral("Stop!")) {
        DosCommand1->stop();
        DosCommand1NewLine("Canceled by user.", OutputKind::EntireLine);
        DosCommand1Terminated(); // already done by the runner's end event, unless it failed
        return;
    }
    if (!TraceSaved &&
        setup_.dialogs.message(this, QStringLiteral("LogFile not saved. Exit?"),
                               MessageKind::Warning, MessageButtons::OkCancel) != MessageResult::Ok)
        return;
    markCloseRequested();
}

void TForm9::requestCloseWithoutQuestion() {
    if (TraceRunning)
        LbSpeedButton7Click();
    markCloseRequested();
}

void TForm9::markCloseRequested() {
    CloseRequested = true;
    LbSpeedButton7->setEnabled(false);
    LbSpeedButton2->setEnabled(false);
}

bool TForm9::writeListTo(const QString& path, QString* error) const {
    QStringList lines;
    for (int row = 0; row < ListBox1->count(); ++row)
        lines << ListBox1->item(row)->text();
    return writeLinesCrLf(path, lines, error);
}

void TForm9::LbSpeedButton2Click() {
    const QString path =
        setup_.dialogs.saveFileName(this, toQt(setup_.programFolder), QStringLiteral("TRACE"),
                                    QStringLiteral("LOG"), QStringLiteral("LOG Files (*.log)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeListTo(path, &error)) {
        setup_.dialogs.message(this, error, MessageKind::Error, MessageButtons::Ok);
        return;
    }
    TraceSaved = true;
}

} // namespace corvanta
