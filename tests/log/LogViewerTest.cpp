#include "log/TForm6.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace corvanta;

namespace {

QStringList itemsOf(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

TEST(LogViewer, ShowsOneListLinePerLogLine) {
    TForm6 viewer({"Logfile was cleared 2026-05-06 07:08:09", "", "caf\xE9"});
    EXPECT_EQ(viewer.windowTitle(), "Corvanta Log");
    EXPECT_EQ(itemsOf(viewer.ListBox1), QStringList({"Logfile was cleared 2026-05-06 07:08:09", "",
                                                     QString::fromLatin1("caf\xE9")}));

    viewer.load({"only"});
    EXPECT_EQ(itemsOf(viewer.ListBox1), QStringList{"only"});

    viewer.LbSpeedButton7->click();
    EXPECT_EQ(viewer.result(), QDialog::Accepted);
}
