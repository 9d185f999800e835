#include "platform/QtTray.h"

#include "platform/TextCodec.h"

#include <QEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace corvanta {

QtTray::QtTray(QWidget* mainWindow, QList<QIcon> pictures, Options options)
    : mainWindow_(mainWindow), pictures_(std::move(pictures)), options_(std::move(options)) {
    connect(menu_.addAction(QStringLiteral("Restore")), &QAction::triggered, this, [this] {
        if (onMenuRestore)
            onMenuRestore();
    });
    menu_.addSeparator();
    connect(menu_.addAction(QStringLiteral("About")), &QAction::triggered, this, [this] {
        if (onMenuAbout)
            onMenuAbout();
    });
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, &QtTray::activated);
    connect(&retryTimer_, &QTimer::timeout, this, &QtTray::retryShow);
    setPicture(0);
    setHint("Corvanta");
    mainWindow_->installEventFilter(this);
}

void QtTray::show() {
    if (options_.available()) {
        icon_.show();
        return;
    }
    retriesLeft_ = options_.retryCount;
    retryTimer_.start(options_.retryIntervalMs);
}

void QtTray::retryShow() {
    if (options_.available()) {
        retryTimer_.stop();
        icon_.show();
    } else if (--retriesLeft_ <= 0) {
        retryTimer_.stop();
    }
}

void QtTray::setPicture(int index) {
    if (index < 0 || index >= pictures_.size())
        return;
    picture_ = index;
    icon_.setIcon(pictures_[index]);
}

bool QtTray::setHint(const std::string& hint) {
    if (!hintFits(hint))
        return false;
    hint_ = hint;
    icon_.setToolTip(toQt(hint));
    return true;
}

void QtTray::minimize() {
    minimizedByUs_ = true;
    if (options_.available())
        mainWindow_->hide();
    else
        mainWindow_->showMinimized();
}

void QtTray::restore() {
    minimizedByUs_ = false;
    mainWindow_->showNormal();
    mainWindow_->raise();
    mainWindow_->activateWindow();
    if (onRestore)
        onRestore();
}

void QtTray::activated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger && onClick)
        onClick();
    else if (reason == QSystemTrayIcon::DoubleClick)
        restore();
}

// Bringing the minimised window back from the desktop (taskbar, window list) is a Restore,
// so it passes the same gate as the tray's own. The platform reports our own state changes
// back later, so only a window we minimised and did not restore counts.
bool QtTray::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mainWindow_ && event->type() == QEvent::WindowStateChange && minimizedByUs_) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !mainWindow_->isMinimized()) {
            minimizedByUs_ = false;
            QTimer::singleShot(0, this, [this] { restore(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace corvanta
