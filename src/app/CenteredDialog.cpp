#include "app/CenteredDialog.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace corvanta {

CenteredDialog::CenteredDialog(QWidget* parent, const QString& caption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(caption);
}

void CenteredDialog::showEvent(QShowEvent* event) {
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

} // namespace corvanta
