#include "app/TForm1.h"

#include "app/TForm11.h"
#include "app/VclTimer.h"
#include "trace/TForm9.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

namespace corvanta {

void TForm1::FormCreate() {
    InTimeLimit = true;
    ConnectStart = 0;
    // Date and time texts always use "yyyy-mm-dd" and "hh:mm:ss" (platform/DateTime.h).

    if (const std::string problem = services_.integrityProblem(); !problem.empty()) {
        services_.dialogs.message(nullptr, QString::fromStdString(problem), MessageKind::Error,
                                  MessageButtons::Ok);
        services_.terminate(2);
        return;
    }
    if (services_.alreadyRunning()) {
        services_.dialogs.message(nullptr, "Abnormal program termination", MessageKind::Error,
                                  MessageButtons::Ok);
        services_.terminate(3);
        return;
    }

    TraceWindow = nullptr;
    SplashWindow = nullptr;
    CurrentIp = "Offline";
    PreviousIp = "OldWhoIs";
    TrayIcon1->show();

    Timer2->setEnabled(true);
    Timer1->setEnabled(true);

    SplashWindow = new TForm11(services_.sound, this);
    SplashWindow->PlayStartSound = CheckBox8->isChecked(); // before the stored settings load

    CheckBox1Click();
    CheckBox6Click();
    CheckBox5Click();

    LoadCFG();

    if (CheckBox10->isChecked()) {
        SplashWindow->CheckBox1->setChecked(true);
        SplashWindow->show();
        SplashWindow->raise();
        SplashWindow->activateWindow();
        SplashWindow->repaint();
        QApplication::processEvents();
    } else {
        SplashWindow->CheckBox1->setChecked(false);
    }

    if (!SettingsLoaded) {
        if (SplashWindow)
            SplashWindow->hide();
        const MessageResult answer = services_.dialogs.message(
            this, "Run Configuration Wizard?", MessageKind::Confirmation, MessageButtons::YesNo);
        if (answer == MessageResult::Yes)
            LbSpeedButton1Click();
        else
            inform("Please don't forget setup Corvanta.");
    }

    OptimisePending = false;
    if (CheckBox9->isChecked() && SettingsLoaded)
        RunDialOptimiser();

    if (SplashWindow)
        SplashWindow->Label2->setText("Finalizing...");

    QApplication::processEvents();
    Timer1->setInterval(1000);
    OptimiserCountdown = 0;
}

void TForm1::Timer1Timer() {
    if (Timer1->interval() == 1000)
        finishFirstTick();
    else
        MonitorTick();
}

// Hand-over to the tray. This tick does not poll: the first poll comes with the next one.
void TForm1::finishFirstTick() {
    ConnectStart = 0;
    if (SplashWindow) {
        CheckBox10->setChecked(SplashWindow->CheckBox1->isChecked());
        delete SplashWindow.data();
        SplashWindow = nullptr;
    }
    TrayIcon1->minimize();
    Timer1->setInterval(500);
}

void TForm1::Timer3Timer() {
    SaveCFG();
}

void TForm1::FormDestroy() {
    if (formDestroyed_)
        return;
    formDestroyed_ = true;
    Timer1->setEnabled(false);
    CheckBox5Click();
    SaveCFG();
}

} // namespace corvanta
