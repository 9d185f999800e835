#include "guard/TForm4.h"
#include "guard/TForm5.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace corvanta;

TEST(MaskDialog, ButtonsEndTheDialogAndEditHoldsTheMask) {
    for (bool ok : {true, false}) {
        TForm4 dialog;
        EXPECT_EQ(dialog.windowTitle(), "Phone Mask");
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
        dialog.Edit1->setText("8495*");
        (ok ? dialog.LbSpeedButton7 : dialog.LbSpeedButton1)->click();
        EXPECT_EQ(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.Edit1->text(), "8495*");
    }
}

TEST(MaskDialog, NoteAppearsOnlyForMasksThatCannotMatch) {
    TForm4 dialog;
    EXPECT_TRUE(dialog.MaskNote->text().isEmpty());
    dialog.Edit1->setText("8-809*");
    EXPECT_FALSE(dialog.MaskNote->text().isEmpty());
    dialog.Edit1->setText("8809*-");
    EXPECT_TRUE(dialog.MaskNote->text().isEmpty());
    dialog.Edit1->setText("8 809");
    dialog.LbSpeedButton7->click(); // still accepted as typed
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AlertWindow, WarningBlinksOnEveryTick) {
    TForm5 alert;
    EXPECT_EQ(alert.windowTitle(), "Alert!");
    EXPECT_TRUE(alert.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(alert.Timer1->isActive());
    EXPECT_EQ(alert.Timer1->interval(), 500);
    EXPECT_FALSE(alert.labelIsRed());

    for (bool red : {true, false, true}) {
        QMetaObject::invokeMethod(alert.Timer1, "timeout"); // one tick by hand
        EXPECT_EQ(alert.labelIsRed(), red);
    }
    EXPECT_EQ(alert.Label1->text(), "Warning! Attempt dialing phone number from Black List!");
}

TEST(AlertWindow, DetailsAreFilledWithTheirPrefixes) {
    TForm5 alert;
    for (QLabel* label : {alert.Label2, alert.Label3, alert.Label4, alert.Label5}) {
        EXPECT_EQ(label->text(), "??\?-??\?-???");
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    }
    alert.fill("8W10 44 123", "modem", "Dialer \xE9", "Unknown");
    EXPECT_EQ(alert.Label2->text(), "Phone: 8W10 44 123");
    EXPECT_EQ(alert.Label3->text(), "Type: modem");
    EXPECT_EQ(alert.Label4->text(), QString::fromLatin1("Name: Dialer \xE9"));
    EXPECT_EQ(alert.Label5->text(), "IP: Unknown");

    alert.LbSpeedButton7->click();
    EXPECT_EQ(alert.result(), QDialog::Accepted);
}
