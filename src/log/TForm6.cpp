#include "log/TForm6.h"

#include "guard/LbButton.h"
#include "platform/TextCodec.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace corvanta {

TForm6::TForm6(const std::vector<std::string>& lines, QWidget* parent)
    : CenteredDialog(parent, QStringLiteral("Corvanta Log")) {

    ListBox1 = new QListWidget(this);
    ListBox1->setUniformItemSizes(true);                                    // big logs stay quick
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // records are columns
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setMinimumSize(740, 400);

    LbSpeedButton7 = makeLbButton(QStringLiteral("OK"), this);
    LbSpeedButton7->setDefault(true);
    connect(LbSpeedButton7, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(LbSpeedButton7);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);

    load(lines);
}

void TForm6::load(const std::vector<std::string>& lines) {
    ListBox1->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts.append(toQt(line));
    ListBox1->addItems(texts);
}

} // namespace corvanta
