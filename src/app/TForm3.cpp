#include "app/TForm3.h"

#include "app/HashEcho.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvanta {

TForm3::TForm3(QWidget* parent) : CenteredDialog(parent, "Enter your password") {
    setObjectName("TForm3");
    MaskEdit1 = new QLineEdit(this);
    MaskEdit1->setObjectName("MaskEdit1");
    showHashesFor(MaskEdit1);
    LbSpeedButton7 = new QPushButton("OK", this);
    LbSpeedButton7->setObjectName("LbSpeedButton7");
    LbSpeedButton7->setDefault(true);
    connect(LbSpeedButton7, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MaskEdit1);
    layout->addWidget(LbSpeedButton7, 0, Qt::AlignHCenter);
    MaskEdit1->setMinimumWidth(220);
}

} // namespace corvanta
