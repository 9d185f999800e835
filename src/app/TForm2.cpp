#include "app/TForm2.h"

#include "platform/Dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvanta {
namespace {

QLabel* link(const QString& text, QWidget* parent, std::function<void()> onClick) {
    auto* label = new QLabel(QString("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, parent, [onClick] { onClick(); });
    return label;
}

} // namespace

TForm2::TForm2(IDialogs& dialogs, QWidget* parent)
    : CenteredDialog(parent, "About"), dialogs_(dialogs) {
    setObjectName("TForm2");
    Label1 = new QLabel("Corvanta v 1.7", this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    QFont title = Label1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    Label1->setFont(title);
    Label2 = new QLabel("A guard for dial-up connections.\nFree software, made by the Corvanta "
                        "developers.\nIt comes with no warranty of any kind.",
                        this);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    Label5 = link(MakerWebAddress, this, [this] { Label5Click(); });
    Label5->setObjectName("Label5");
    Label9 = new QLabel("Write us:", this);
    Label9->setObjectName("Label9");
    Label9->setAlignment(Qt::AlignCenter);
    Label10 = link(MakerMailAddress, this, [this] { Label10Click(); });
    Label10->setObjectName("Label10");
    LbSpeedButton7 = new QPushButton("OK", this);
    LbSpeedButton7->setObjectName("LbSpeedButton7");
    LbSpeedButton7->setDefault(true);
    connect(LbSpeedButton7, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label9),
                       static_cast<QWidget*>(Label10)})
        layout->addWidget(w);
    layout->addWidget(LbSpeedButton7, 0, Qt::AlignHCenter);
}

void TForm2::Label5Click() {
    dialogs_.openUrl(MakerWebAddress);
}

void TForm2::Label10Click() {
    dialogs_.openUrl(QString("mailto:") + MakerMailAddress);
}

} // namespace corvanta
