#pragma once
// The password prompt shown when a protected main window is restored.
#include "app/CenteredDialog.h"

class QLineEdit;
class QPushButton;

namespace corvanta {

class TForm3 final : public CenteredDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent);

    QLineEdit* MaskEdit1;
    QPushButton* LbSpeedButton7;
};

} // namespace corvanta
