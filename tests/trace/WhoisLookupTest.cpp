#include "TraceWindowFixture.h"
#include "trace/TForm10.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace corvanta;
using namespace corvanta::test;

namespace {

class WhoisLookupTest : public TraceWindowTest {
protected:
    void SetUp() override {
        whois.reply = "Registry notice\r\n   Domain Name: EXAMPLE\r\n\tRegistrar: X\r\n";
        dialogs.handlers["corvanta::TForm10"] = [this](QDialog& dialog) {
            auto& shown = static_cast<TForm10&>(dialog);
            labels.push_back(shown.Label1->text());
            memos.push_back(shown.Memo1->toPlainText());
            return QDialog::Accepted;
        };
        open();
        window->DosCommand1NewLine("  3    12 ms    11 ms    13 ms  core1.isp-net.alpha.beta "
                                   "[192.0.2.7]",
                                   OutputKind::EntireLine);
    }

    void select(int row) { window->ListBox1->setCurrentRow(row); }

    std::vector<QString> labels, memos;
};

} // namespace

TEST_F(WhoisLookupTest, ButtonAndDoubleClickLookUpTheDomainOfTheSelectedLine) {
    select(6);
    window->LbSpeedButton1->click();
    select(4);
    emit window->ListBox1->itemDoubleClicked(window->ListBox1->item(4));

    EXPECT_EQ(whois.queries, (std::vector<std::string>{"alpha.beta", "Current"}));
    EXPECT_EQ(labels, (std::vector<QString>{"IP Addres is 192.0.2.7, domain is alpha.beta",
                                            "IP Addres is 10.0.0.5, domain is Current"}));
    EXPECT_EQ(memos, (std::vector<QString>{"Domain Name: EXAMPLE", "Domain Name: EXAMPLE"}));
    EXPECT_EQ(whois.cursors, (std::vector<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WhoisLookupTest, LinesWithoutAnAddressOrNoSelectionDoNothing) {
    select(0); // the build line has two dots only
    window->LbSpeedButton1->click();
    window->ListBox1->clearSelection();
    window->ListBox1->setCurrentRow(-1);
    window->LbSpeedButton1->click();
    EXPECT_TRUE(whois.queries.empty());
    EXPECT_TRUE(dialogs.shownDialogs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WhoisLookupTest, RefusedWhileTheTraceRuns) {
    writeTracert("exec sleep 600\n");
    window->startTrace();
    select(6);
    window->LbSpeedButton1->click();
    EXPECT_EQ(dialogs.texts(), std::vector<QString>{"Who is working only after completing trace."});
    EXPECT_TRUE(whois.queries.empty());
    EXPECT_TRUE(dialogs.shownDialogs.empty());

    window->LbSpeedButton7->click(); // Stop!
    select(6);
    window->LbSpeedButton1->click();
    EXPECT_EQ(whois.queries, std::vector<std::string>{"alpha.beta"});
}

TEST_F(WhoisLookupTest, FailedLookUpIsReportedAndShowsNoWindow) {
    whois.failure = "Cannot connect to WHOIS server whois.example:43: Connection refused";
    select(6);
    window->LbSpeedButton1->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromStdString(*whois.failure));
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.shownDialogs.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WhoisWindow, SavesWhatTheTextBoxHolds) {
    FakeDialogs dialogs;
    const std::string folder = makeTempFolder("whois") + "/";
    TForm10 window(dialogs, folder, nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Who Is?"));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("IP Address"));
    window.showLookup({"192.0.2.7", "alpha.beta"}, {"Domain Name: EXAMPLE", "", "Caf\xE9"});

    const std::string path = folder + "reply.WhoIs";
    dialogs.saveAnswers.push_back(QString::fromStdString(path));
    window.LbSpeedButton2->click();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].folder, QString::fromStdString(folder));
    EXPECT_EQ(dialogs.saveRequests[0].proposedName, QString());
    EXPECT_EQ(dialogs.saveRequests[0].defaultSuffix, QStringLiteral("WhoIs"));
    EXPECT_EQ(dialogs.saveRequests[0].filter, QStringLiteral("WhoIs files (*.WhoIs)"));
    EXPECT_EQ(readFile(path), "Domain Name: EXAMPLE\r\n\r\nCaf\xE9\r\n");

    // An edited text is saved as it stands; an empty one gives an empty file.
    window.Memo1->setPlainText("edited\n");
    dialogs.saveAnswers.push_back(QString::fromStdString(path));
    window.LbSpeedButton2->click();
    EXPECT_EQ(readFile(path), "edited\r\n");
    window.Memo1->clear();
    dialogs.saveAnswers.push_back(QString::fromStdString(path));
    window.LbSpeedButton2->click();
    EXPECT_EQ(readFile(path), "");

    // Cancelled: nothing written; unwritable: reported, the window stays.
    window.LbSpeedButton2->click();
    dialogs.saveAnswers.push_back(QString::fromStdString(folder + "no/such/dir/x.WhoIs"));
    window.LbSpeedButton2->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(window.result(), 0);

    window.LbSpeedButton7->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
}
