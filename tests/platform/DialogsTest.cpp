#include "platform/QtDialogs.h"

#include "FakeDialogs.h"
#include "TestEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace corvanta;

namespace {

const MessageButtons kAllButtons[] = {MessageButtons::Ok, MessageButtons::OkCancel,
                                      MessageButtons::YesNo};

// Runs `act` on the modal window once it is open.
void whenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

class CountShows : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

class UnattendedDialogs : public ::testing::Test {
protected:
    void SetUp() override { setenv("CORVANTA_UNATTENDED", "1", 1); }
    void TearDown() override { unsetenv("CORVANTA_UNATTENDED"); }
    QtDialogs dialogs;
};

TEST_F(UnattendedDialogs, MessagesGoToStandardErrorWithTheCautiousAnswer) {
    const struct {
        MessageButtons buttons;
        MessageResult answer;
    } cases[] = {{MessageButtons::Ok, MessageResult::Ok},
                 {MessageButtons::OkCancel, MessageResult::Cancel},
                 {MessageButtons::YesNo, MessageResult::No}};
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        const MessageResult result = dialogs.message(nullptr, "Run Configuration Wizard?",
                                                     MessageKind::Confirmation, c.buttons);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Corvanta: Run Configuration Wizard?\n");
        EXPECT_EQ(result, c.answer);
    }
}

TEST_F(UnattendedDialogs, WindowsAreRejectedUnseenAndNothingIsSavedOrOpened) {
    QDialog dialog;
    CountShows counter;
    dialog.installEventFilter(&counter);
    EXPECT_EQ(dialogs.exec(dialog), QDialog::Rejected);
    EXPECT_EQ(counter.shows, 0);
    EXPECT_TRUE(dialogs.saveFileName(nullptr, "/tmp", "TRACE", "LOG", "*.LOG").isEmpty());
    testing::internal::CaptureStderr();
    dialogs.openUrl("mailto:nobody@example.invalid");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Corvanta: open mailto:nobody@example.invalid\n");
}

TEST(Dialogs, OnlyTheValueOneMeansUnattended) {
    const struct {
        const char* value;
        bool unattended;
    } cases[] = {{"1", true}, {"0", false}, {"", false}, {"yes", false}, {nullptr, false}};
    for (const auto& c : cases) {
        if (c.value)
            setenv("CORVANTA_UNATTENDED", c.value, 1);
        else
            unsetenv("CORVANTA_UNATTENDED");
        EXPECT_EQ(QtDialogs::unattended(), c.unattended) << (c.value ? c.value : "(unset)");
    }
    unsetenv("CORVANTA_UNATTENDED");
}

TEST(Dialogs, MessageBoxShowsTitleIconAndButtonsAndReturnsTheClick) {
    const struct {
        MessageKind kind;
        MessageButtons buttons;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons offered;
        QMessageBox::StandardButton clicked;
        MessageResult result;
    } cases[] = {
        {MessageKind::Information, MessageButtons::Ok, QMessageBox::Information, QMessageBox::Ok,
         QMessageBox::Ok, MessageResult::Ok},
        {MessageKind::Warning, MessageButtons::OkCancel, QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, MessageResult::Ok},
        {MessageKind::Warning, MessageButtons::OkCancel, QMessageBox::Warning,
         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, MessageResult::Cancel},
        {MessageKind::Confirmation, MessageButtons::YesNo, QMessageBox::Question,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageResult::Yes},
        {MessageKind::Error, MessageButtons::YesNo, QMessageBox::Critical,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No, MessageResult::No},
    };
    QtDialogs dialogs;
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.clicked));
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Corvanta");
            EXPECT_EQ(box->text(), "Question?");
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->standardButtons(), c.offered);
            box->button(c.clicked)->click();
        });
        EXPECT_EQ(dialogs.message(nullptr, "Question?", c.kind, c.buttons), c.result);
    }
}

TEST(Dialogs, ClosingABoxWithoutAButtonIsItsNegativeAnswer) {
    QtDialogs dialogs;
    for (MessageButtons buttons : kAllButtons) {
        whenModalOpens([](QWidget* modal) { modal->close(); });
        EXPECT_EQ(dialogs.message(nullptr, "Sure?", MessageKind::Warning, buttons),
                  unattendedAnswer(buttons));
    }
}

TEST(Dialogs, SaveDialogStartsInTheFolderWithTheProposedNameAndAddsTheSuffix) {
    const QString folder = QString::fromStdString(test::makeTempFolder("save"));
    QtDialogs dialogs;
    const struct {
        const char* typed;
        QString expected;
    } cases[] = {{"TRACE", folder + "/TRACE.LOG"}, {"hops.txt", folder + "/hops.txt"}};
    for (const auto& c : cases) {
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(dialog->directory().absolutePath(), folder);
            dialog->selectFile(c.typed);
            static_cast<QDialog*>(dialog)->accept(); // public in QDialog
        });
        EXPECT_EQ(dialogs.saveFileName(nullptr, folder, "TRACE", "LOG", "Log files (*.LOG)"),
                  c.expected);
    }
    whenModalOpens([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_TRUE(dialogs.saveFileName(nullptr, folder, "TRACE", "LOG", "").isEmpty());
}

TEST(FakeDialogs, AnswersFromTheQueueThenCautiously) {
    test::FakeDialogs fake;
    fake.answers = {MessageResult::Yes};
    EXPECT_EQ(fake.message(nullptr, "a", MessageKind::Confirmation, MessageButtons::YesNo),
              MessageResult::Yes);
    for (MessageButtons buttons : kAllButtons)
        EXPECT_EQ(fake.message(nullptr, "b", MessageKind::Warning, buttons),
                  unattendedAnswer(buttons));
    ASSERT_EQ(fake.messages.size(), 4u);
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(fake.texts().back(), "b");

    fake.answers = {MessageResult::Yes};
    EXPECT_NONFATAL_FAILURE(
        fake.message(nullptr, "c", MessageKind::Information, MessageButtons::Ok), "does not fit");
}

TEST(FakeDialogs, WindowsGoToTheHandlerOfTheirClass) {
    test::FakeDialogs fake;
    QDialog plain;
    QFileDialog files;
    fake.handlers["QFileDialog"] = [](QDialog&) { return int(QDialog::Accepted); };
    EXPECT_EQ(fake.exec(files), QDialog::Accepted);
    EXPECT_EQ(fake.exec(plain), QDialog::Rejected);
    EXPECT_EQ(fake.shownDialogs, (std::vector<QString>{"QFileDialog", "QDialog"}));

    fake.saveAnswers = {"/tmp/x.LOG"};
    EXPECT_EQ(fake.saveFileName(nullptr, "/tmp", "TRACE", "LOG", ""), "/tmp/x.LOG");
    EXPECT_TRUE(fake.saveFileName(nullptr, "/tmp", "TRACE", "LOG", "").isEmpty());
    ASSERT_EQ(fake.saveRequests.size(), 2u);
    EXPECT_EQ(fake.saveRequests[0].proposedName, "TRACE");
}

} // namespace
