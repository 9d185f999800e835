#pragma once
#include <QDialog>

namespace corvanta {

// The program's secondary windows: fixed size, centred, no title-bar buttons.
class CenteredDialog : public QDialog {
    Q_OBJECT
public:
    CenteredDialog(QWidget* parent, const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace corvanta
