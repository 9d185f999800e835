#include "trace/TForm10.h"

#include "guard/LbButton.h"
#include "platform/TextCodec.h"
#include "trace/LineFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvanta {

TForm10::TForm10(IDialogs& dialogs, std::string programFolder, QWidget* parent)
    : CenteredDialog(parent, QStringLiteral("Who Is?")), dialogs_(dialogs),
      programFolder_(std::move(programFolder)) {
    Label1 = new QLabel(QStringLiteral("IP Address"), this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setMinimumSize(480, 300);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    LbSpeedButton2 = makeLbButton(QStringLiteral("Save"), this);
    LbSpeedButton7 = makeLbButton(QStringLiteral("OK"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LbSpeedButton2);
    buttons->addStretch();
    buttons->addWidget(LbSpeedButton7);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Memo1);
    layout->addLayout(buttons);

    connect(LbSpeedButton2, &QPushButton::clicked, this, [this] { LbSpeedButton2Click(); });
    connect(LbSpeedButton7, &QPushButton::clicked, this, [this] { LbSpeedButton7Click(); });
}

void TForm10::showLookup(const WhoisTarget& target, const std::vector<std::string>& fieldLines) {
    Label1->setText(toQt("IP Addres is " + target.address + ", domain is " + target.domain));
    QStringList lines;
    for (const auto& line : fieldLines)
        lines << toQt(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

bool TForm10::writeMemoTo(const QString& path, QString* error) const {
    QStringList lines = Memo1->toPlainText().split(QLatin1Char('\n'));
    // A text that ends with a line end has no further line; an empty one has none at all.
    if (lines.back().isEmpty())
        lines.removeLast();
    return writeLinesCrLf(path, lines, error);
}

void TForm10::LbSpeedButton7Click() {
    accept();
}

void TForm10::LbSpeedButton2Click() {
    const QString path =
        dialogs_.saveFileName(this, toQt(programFolder_), QString(), QStringLiteral("WhoIs"),
                              QStringLiteral("WhoIs files (*.WhoIs)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeMemoTo(path, &error))
        dialogs_.message(this, error, MessageKind::Error, MessageButtons::Ok);
}

void TForm10::reject() {} // closes with OK only

} // namespace corvanta
