#include "guard/TForm5.h"

#include "guard/LbButton.h"
#include "platform/TextCodec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace corvanta {
namespace {

const QColor kMaroon(0x80, 0x00, 0x00);

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QLabel* makeDetailLabel(QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("??\?-??\?-???"), parent); // "\?": no trigraph
    setTextColour(label, kMaroon);
    label->setTextFormat(Qt::PlainText);                       // a dialed "number" may hold markup
    label->setTextInteractionFlags(Qt::TextSelectableByMouse); // the number can be copied
    return label;
}

} // namespace

TForm5::TForm5(QWidget* parent) : CenteredDialog(parent, QStringLiteral("Alert!")) {
    setWindowFlag(Qt::WindowStaysOnTopHint); // a guard alert must be seen

    Label1 =
        new QLabel(QStringLiteral("Warning! Attempt dialing phone number from Black List!"), this);
    QFont warningFont = Label1->font();
    warningFont.setBold(true);
    Label1->setFont(warningFont);
    Label2 = makeDetailLabel(this);
    Label3 = makeDetailLabel(this);
    Label4 = makeDetailLabel(this);
    Label5 = makeDetailLabel(this);

    LbSpeedButton7 = makeLbButton(QStringLiteral("OK"), this);
    LbSpeedButton7->setDefault(true);
    connect(LbSpeedButton7, &QPushButton::clicked, this, &QDialog::accept);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    Timer1->start();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(LbSpeedButton7);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    for (QLabel* label : {Label2, Label3, Label4, Label5})
        layout->addWidget(label);
    layout->addLayout(buttons);
}

void TForm5::fill(const std::string& phone, const std::string& type, const std::string& name,
                  const std::string& ip) {
    Label2->setText(QStringLiteral("Phone: ") + toQt(phone));
    Label3->setText(QStringLiteral("Type: ") + toQt(type));
    Label4->setText(QStringLiteral("Name: ") + toQt(name));
    Label5->setText(QStringLiteral("IP: ") + toQt(ip));
}

bool TForm5::labelIsRed() const {
    return Label1->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

void TForm5::Timer1Timer() {
    const QColor windowText = palette().color(QPalette::WindowText);
    const bool plain = Label1->palette().color(QPalette::WindowText) == windowText;
    setTextColour(Label1, plain ? QColor(Qt::red) : windowText);
}

} // namespace corvanta
