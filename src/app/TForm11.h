#pragma once
// The splash window shown while the program starts.
#include <QWidget>

class QCheckBox;
class QLabel;

namespace corvanta {

class ISound;

class TForm11 final : public QWidget {
    Q_OBJECT
public:
    TForm11(ISound& sound, QWidget* owner);

    QCheckBox* CheckBox1;
    QLabel* Label2;
    bool PlayStartSound = false;

protected:
    bool event(QEvent* event) override;

private:
    ISound& sound_;
    bool soundPlayed_ = false;
};

} // namespace corvanta
