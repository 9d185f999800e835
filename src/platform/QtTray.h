#pragma once
// The notification-area icon of the main window. Where the desktop has no notification area,
// minimize() minimises the window instead of hiding it, so the user can always get it back,
// and the icon is shown as soon as one appears.
#include "platform/Tray.h"

#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

class QWidget;

namespace corvanta {

class QtTray final : public QObject, public ITray {
    Q_OBJECT
public:
    struct Options {
        std::function<bool()> available = &QSystemTrayIcon::isSystemTrayAvailable;
        int retryIntervalMs = 5000; // looking for a notification area that appears later
        int retryCount = 60;
    };

    // Starts with picture 0 and the hint "Corvanta"; the icon shows after show().
    QtTray(QWidget* mainWindow, QList<QIcon> pictures, Options options);
    QtTray(QWidget* mainWindow, QList<QIcon> pictures) : QtTray(mainWindow, pictures, Options{}) {}

    void show() override;
    void setPicture(int index) override;
    int picture() const override { return picture_; }
    bool setHint(const std::string& hint) override;
    std::string hint() const override { return hint_; }
    void minimize() override;
    void restore() override;

    QSystemTrayIcon& icon() { return icon_; }
    QMenu& menu() { return menu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void retryShow();

    QWidget* mainWindow_;
    QList<QIcon> pictures_;
    Options options_;
    int picture_ = 0;
    std::string hint_;
    bool minimizedByUs_ = false; // and not restored since
    int retriesLeft_ = 0;
    QTimer retryTimer_;
    QMenu menu_; // declared before the icon that refers to it
    QSystemTrayIcon icon_;
};

} // namespace corvanta
