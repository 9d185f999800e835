#pragma once
// The route-trace window: runs "tracert" towards a public host, lists the hops under a header
// and looks hops up in WHOIS. It never closes itself: it sets CloseRequested and its owner
// destroys it.
#include "app/CenteredDialog.h"
#include "trace/TraceSetup.h"

#include <memory>

class QListWidget;
class QPushButton;

namespace corvanta {

class BusyIndicator;

class TForm9 final : public CenteredDialog {
    Q_OBJECT
public:
    TForm9(const TraceSetup& setup, QWidget* parent);
    ~TForm9() override;

    QListWidget* ListBox1;
    QPushButton* LbSpeedButton2; // Save
    BusyIndicator* Animate1;
    QPushButton* LbSpeedButton1; // WhoIs
    QPushButton* LbSpeedButton7; // "OK", "Stop!" while the trace runs, "Ok" once it ended

    bool TraceRunning = false;
    bool TraceSaved = false;
    bool CloseRequested = false;

    // Starts the trace once; the first show or activation calls it.
    void startTrace();
    // OK pressed in code by someone who has kept the list already: no question is asked. A
    // trace still running is stopped first.
    void requestCloseWithoutQuestion();
    // The trace list file: every line in Latin-1 followed by CR LF.
    bool writeListTo(const QString& path, QString* error) const;

    void DosCommand1NewLine(const std::string& text, OutputKind kind);
    void DosCommand1Terminated();
    void LbSpeedButton7Click();
    void LbSpeedButton2Click();
    void LbSpeedButton1Click();
    void ListBox1DblClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void createControls();
    void setOkCaption(const QString& caption, const char* hoverColour);
    void markCloseRequested();

    TraceSetup setup_;
    std::unique_ptr<IConsoleRunner> DosCommand1;
    QString okButtonStyle_;
    bool traceStarted_ = false;
    bool lookingUp_ = false;
};

} // namespace corvanta
