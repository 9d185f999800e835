#include "guard/TForm4.h"

#include "guard/LbButton.h"
#include "guard/PhoneMask.h"
#include "platform/TextCodec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace corvanta {

TForm4::TForm4(QWidget* parent) : CenteredDialog(parent, QStringLiteral("Phone Mask")) {

    auto* explanation = new QLabel(
        QStringLiteral("Enter the mask for a phone number. * is all numbers in this position. ? "
                       "is a any symbol in this position. Please enter phone mask without '-', "
                       "'w' and any another phone number symbols."),
        this);
    explanation->setWordWrap(true);
    explanation->setFixedWidth(320);

    Edit1 = new QLineEdit(this);
    MaskNote = new QLabel(this);
    MaskNote->setStyleSheet(QStringLiteral("color: #800000;"));
    MaskNote->setMinimumHeight(MaskNote->fontMetrics().height()); // no jump when it appears

    LbSpeedButton7 = makeLbButton(QStringLiteral("OK"), this);
    LbSpeedButton1 = makeLbButton(QStringLiteral("Cancel"), this);
    LbSpeedButton7->setDefault(true);
    connect(LbSpeedButton7, &QPushButton::clicked, this, &QDialog::accept);
    connect(LbSpeedButton1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm4::Edit1Change);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(LbSpeedButton7);
    buttons->addWidget(LbSpeedButton1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(Edit1);
    layout->addWidget(MaskNote);
    layout->addLayout(buttons);

    Edit1->setFocus();
}

void TForm4::Edit1Change() {
    MaskNote->setText(MaskCanMatch(fromQt(Edit1->text()))
                          ? QString()
                          : QStringLiteral("This mask never matches: use only digits, ? and *."));
}

} // namespace corvanta
