#include "platform/QtDialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace corvanta {
namespace {

void report(const QString& text) {
    std::fprintf(stderr, "Corvanta: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons buttonsOf(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// Closing the box without a button counts as its negative answer.
MessageResult resultOf(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    }
    return unattendedAnswer(buttons);
}

} // namespace

bool QtDialogs::unattended() {
    const char* value = std::getenv("CORVANTA_UNATTENDED");
    return value && std::strcmp(value, "1") == 0;
}

MessageResult QtDialogs::message(QWidget* parent, const QString& text, MessageKind kind,
                                 MessageButtons buttons) {
    if (unattended()) {
        report(text);
        return unattendedAnswer(buttons);
    }
    QMessageBox box(iconOf(kind), QStringLiteral("Corvanta"), text, buttonsOf(buttons), parent);
    return resultOf(box.exec(), buttons);
}

int QtDialogs::exec(QDialog& dialog) {
    if (unattended())
        return QDialog::Rejected;
    return dialog.exec();
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                                const QString& defaultSuffix, const QString& filter) {
    if (unattended())
        return {};
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString name = dialog.selectedFiles().constFirst();
    // Some native dialogs ignore the default suffix.
    if (!defaultSuffix.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += '.' + defaultSuffix;
    return name;
}

void QtDialogs::openUrl(const QString& url) {
    if (unattended()) {
        report(QStringLiteral("open %1").arg(url));
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace corvanta
