#include "MainWindowFixture.h"

#include "guard/TForm4.h"
#include "log/TForm6.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <filesystem>
#include <fstream>

using namespace corvanta;
using namespace corvanta::test;

namespace {

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

using ListsAndLog = MainWindowFixture;

TEST_F(ListsAndLog, MaskEditingOnBothLists) {
    TForm1& f = startedForm();
    QString answer;
    dialogs.handlers["corvanta::TForm4"] = [&](QDialog& d) {
        auto& dialog = static_cast<TForm4&>(d);
        if (answer == "cancel")
            return int(QDialog::Rejected);
        dialog.Edit1->setText(dialog.Edit1->text() + answer);
        return int(QDialog::Accepted);
    };
    struct Lists {
        QListWidget* list;
        void (TForm1::*add)();
        void (TForm1::*remove)();
        void (TForm1::*clear)();
        void (TForm1::*edit)();
        QString warning;
    } lists[] = {
        {f.ListBox2, &TForm1::LbSpeedButton9Click, &TForm1::LbSpeedButton10Click,
         &TForm1::LbSpeedButton11Click, &TForm1::ListBox2DblClick,
         "All items in Prohibited phone list will be deleted!"},
        {f.ListBox3, &TForm1::LbSpeedButton12Click, &TForm1::LbSpeedButton13Click,
         &TForm1::LbSpeedButton14Click, &TForm1::ListBox3DblClick,
         "All items in Allowed phone list will be deleted!"},
    };
    for (const Lists& l : lists) {
        answer = "0900*";
        (f.*l.add)();
        answer = "";
        (f.*l.add)(); // an empty mask is kept
        answer = "cancel";
        (f.*l.add)();
        EXPECT_EQ(itemsOf(l.list), (QStringList{"0900*", ""}));

        (f.*l.edit)(); // nothing selected: nothing happens
        (f.*l.remove)();
        EXPECT_EQ(l.list->count(), 2);
        l.list->setCurrentRow(0);
        answer = "1";
        (f.*l.edit)();
        EXPECT_EQ(itemsOf(l.list), (QStringList{"0900*1", ""}));
        l.list->setCurrentRow(1);
        (f.*l.remove)();
        EXPECT_EQ(itemsOf(l.list), QStringList{"0900*1"});

        dialogs.answers = {MessageResult::Cancel};
        (f.*l.clear)();
        EXPECT_EQ(l.list->count(), 1);
        dialogs.answers = {MessageResult::Ok};
        (f.*l.clear)();
        EXPECT_EQ(l.list->count(), 0);
        EXPECT_EQ(dialogs.messages.back().text, l.warning);
    }
}

TEST_F(ListsAndLog, CheckPhoneNumberUsesBothLists) {
    TForm1& f = startedForm();
    f.ListBox2->addItem("8*");
    f.ListBox3->addItem("8495*");
    EXPECT_TRUE(f.CheckPhoneNumber("8 495 1234567"));
    EXPECT_FALSE(f.CheckPhoneNumber("8-800-123-45-67"));
    EXPECT_TRUE(f.CheckPhoneNumber("0123"));
}

TEST_F(ListsAndLog, LogBoxGreysDetailedButKeepsItsMark) {
    TForm1& f = startedForm();
    f.CheckBox1->setChecked(false);
    EXPECT_FALSE(f.CheckBox4->isEnabled());
    EXPECT_TRUE(f.CheckBox4->isChecked());
    f.CheckBox1->setChecked(true);
    EXPECT_TRUE(f.CheckBox4->isEnabled());
}

TEST_F(ListsAndLog, ViewAndClear) {
    TForm1& f = startedForm();
    std::filesystem::remove(folder + "Corvanta.log");
    f.LbSpeedButton7Click();
    EXPECT_TRUE(dialogs.shownDialogs.empty()); // missing file: reported, no window
    ASSERT_EQ(dialogs.messages.size(), 1u);

    clock.set(encodeDateTime({2026, 5, 6, 7, 8, 9, 0}));
    dialogs.answers = {MessageResult::Cancel};
    f.LbSpeedButton8Click();
    EXPECT_FALSE(std::filesystem::exists(folder + "Corvanta.log"));
    dialogs.answers = {MessageResult::Ok};
    f.LbSpeedButton8Click();
    EXPECT_EQ(logText(), "Logfile was cleared 2026-05-06 07:08:09\r\n");

    QStringList shown;
    dialogs.handlers["corvanta::TForm6"] = [&](QDialog& d) {
        shown = itemsOf(static_cast<TForm6&>(d).ListBox1);
        return int(QDialog::Accepted);
    };
    f.LbSpeedButton7Click();
    EXPECT_EQ(shown, QStringList{"Logfile was cleared 2026-05-06 07:08:09"});
}
