#pragma once
// The mask dialog: one phone mask to add or edit.
#include "app/CenteredDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvanta {

class TForm4 : public CenteredDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QPushButton* LbSpeedButton7; // OK
    QPushButton* LbSpeedButton1; // Cancel

    // Says so while the mask holds a character that no cleaned number can have.
    QLabel* MaskNote;

private:
    void Edit1Change();
};

} // namespace corvanta
