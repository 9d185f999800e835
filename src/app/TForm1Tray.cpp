#include "app/TForm1.h"

#include <QCloseEvent>
#include <QTimer>

namespace corvanta {

void TForm1::TrayIcon1Click() {
    show();
    TrayIcon1->restore();
}

void TForm1::Restore1Click() {
    TrayIcon1->restore();
}

void TForm1::About1Click() {
    LbSpeedButton2Click();
}

void TForm1::LbSpeedButton6Click() {
    TrayIcon1->minimize();
}

// A minimise command from the desktop hides to the tray like "Hide".
void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible())
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) // a late report may arrive after a restore
                TrayIcon1->minimize();
        });
}

// The window has no close box; a close request from the desktop only hides it.
void TForm1::closeEvent(QCloseEvent* event) {
    event->ignore();
    LbSpeedButton6Click();
}

} // namespace corvanta
