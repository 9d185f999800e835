#include "platform/QtTray.h"

#include <QAction>
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

using corvanta::QtTray;

namespace {

QList<QIcon> fourPictures() {
    QList<QIcon> pictures;
    for (QColor colour : {Qt::gray, Qt::blue, Qt::green, Qt::red}) {
        QPixmap pixmap(32, 32);
        pixmap.fill(colour);
        pictures.append(QIcon(pixmap));
    }
    return pictures;
}

void settle() {
    for (int pass = 0; pass < 5; ++pass)
        QApplication::processEvents();
}

class Tray : public ::testing::Test {
protected:
    bool trayAvailable = true;
    QWidget window;
    QtTray tray{&window, fourPictures(), {[this] { return trayAvailable; }, 0, 1000}};
    int restores = 0;
    bool visibleAtRestore = false;

    void SetUp() override {
        tray.onRestore = [this] {
            ++restores;
            visibleAtRestore = window.isVisible() && !window.isMinimized();
        };
    }
};

TEST_F(Tray, HintLongerThan63CharactersIsRefusedAndThePreviousStays) {
    EXPECT_EQ(tray.hint(), "Corvanta");
    const std::string longest(63, 'h');
    EXPECT_TRUE(tray.setHint(longest));
    EXPECT_EQ(tray.hint(), longest);
    EXPECT_FALSE(tray.setHint(longest + "!"));
    EXPECT_EQ(tray.hint(), longest);
    EXPECT_EQ(tray.icon().toolTip().toStdString(), longest);
    EXPECT_TRUE(tray.setHint(""));
    EXPECT_EQ(tray.icon().toolTip(), "");
}

TEST_F(Tray, PictureIsChosenByIndexAndUnknownIndicesAreIgnored) {
    EXPECT_EQ(tray.picture(), 0);
    for (int index : {3, 1, 2}) {
        tray.setPicture(index);
        EXPECT_EQ(tray.picture(), index);
        EXPECT_EQ(tray.icon().icon().pixmap(32).toImage().pixelColor(16, 16),
                  fourPictures()[index].pixmap(32).toImage().pixelColor(16, 16));
    }
    tray.setPicture(4);
    tray.setPicture(-1);
    EXPECT_EQ(tray.picture(), 2);
}

TEST_F(Tray, MenuOffersRestoreAndAbout) {
    int restoreClicks = 0, aboutClicks = 0;
    tray.onMenuRestore = [&] { ++restoreClicks; };
    tray.onMenuAbout = [&] { ++aboutClicks; };
    ASSERT_EQ(tray.icon().contextMenu(), &tray.menu());
    const QList<QAction*> actions = tray.menu().actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "Restore");
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "About");
    actions[0]->trigger();
    EXPECT_EQ(restoreClicks, 1);
    actions[2]->trigger();
    EXPECT_EQ(aboutClicks, 1);
    EXPECT_EQ(restores, 0) << "the menu leaves the restoring to its handler";
}

TEST_F(Tray, ClickIsReportedAndDoubleClickRestores) {
    int clicks = 0;
    tray.onClick = [&] { ++clicks; };
    emit tray.icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(restores, 0);
    emit tray.icon().activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(restores, 1);
    EXPECT_TRUE(visibleAtRestore);
}

TEST_F(Tray, MinimizeHidesToTheTrayAndRestoreBringsTheWindowBackFirst) {
    window.show();
    tray.minimize();
    EXPECT_FALSE(window.isVisible());
    tray.restore();
    EXPECT_EQ(restores, 1);
    EXPECT_TRUE(visibleAtRestore);
}

TEST_F(Tray, WithoutANotificationAreaMinimizeKeepsTheWindowReachable) {
    trayAvailable = false;
    window.show();
    tray.minimize();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isMinimized());
    tray.restore();
    settle();
    EXPECT_EQ(restores, 1) << "restoring from minimised must not echo a second restore";
    EXPECT_TRUE(visibleAtRestore);
}

TEST_F(Tray, BringingTheMinimisedWindowBackFromTheDesktopIsARestore) {
    trayAvailable = false;
    window.show();
    tray.minimize();
    settle();
    window.showNormal(); // the taskbar button
    EXPECT_EQ(restores, 0) << "the gate runs after the desktop's own change";
    settle();
    EXPECT_EQ(restores, 1);
}

TEST_F(Tray, IconAppearsOnceANotificationAreaDoes) {
    trayAvailable = false;
    tray.show();
    settle();
    EXPECT_FALSE(tray.icon().isVisible());
    trayAvailable = true;
    settle();
    EXPECT_TRUE(tray.icon().isVisible());
}

} // namespace
