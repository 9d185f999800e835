#include "app/TForm1.h"

#include "app/BuildInfo.h"
#include "app/TForm2.h"
#include "app/TForm3.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace corvanta {

// Keeps the autostart entry in line with "Start at system startup". Failures are not reported.
void TForm1::CheckBox5Click() {
    IRegistry& registry = services_.registry;
    registry.openKey(registry_keys::kRun);
    if (CheckBox5->isChecked())
        registry.writeString(registry_keys::kRun, ProgramTitle, services_.executablePath);
    else
        registry.deleteValue(registry_keys::kRun, ProgramTitle);
}

void TForm1::CheckBox6Click() {
    MaskEdit1->setEnabled(CheckBox6->isChecked());
}

// Password gate, run after every restore from the tray.
void TForm1::TrayIcon1Restore() {
    if (!CheckBox6->isChecked())
        return;
    TForm3 prompt(this);
    services_.dialogs.exec(prompt);
    if (prompt.MaskEdit1->text() != MaskEdit1->text())
        LbSpeedButton6Click();
}

void TForm1::LbSpeedButton5Click() {
    if (confirm("Warning! Your system will be vulnerable without Corvanta! Unload Corvanta "
                "anyway?",
                MessageButtons::OkCancel))
        services_.quit();
}

void TForm1::LbSpeedButton2Click() {
    TForm2 about(services_.dialogs, this);
    about.Label1->setText(about.Label1->text() + "  " + BuildLabel);
    services_.dialogs.exec(about);
}

} // namespace corvanta
