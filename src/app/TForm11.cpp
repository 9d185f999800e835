#include "app/TForm11.h"

#include "app/Pictures.h"
#include "platform/Sound.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace corvanta {

TForm11::TForm11(ISound& sound, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      sound_(sound) {
    setObjectName("TForm11");
    const QPixmap picture = splashPicture();
    auto* pictureLabel = new QLabel(this);
    pictureLabel->setPixmap(picture);
    CheckBox1 = new QCheckBox("Show startup logo", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    Label2 = new QLabel("Loading...", this);
    Label2->setObjectName("Label2");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(pictureLabel);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 8, 0);
    row->addWidget(CheckBox1);
    row->addStretch();
    row->addWidget(Label2);
    layout->addLayout(row);
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The start sound plays once, when the splash first becomes the active window.
bool TForm11::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && PlayStartSound && !soundPlayed_) {
        soundPlayed_ = true;
        sound_.play("start.wav");
    }
    return QWidget::event(event);
}

} // namespace corvanta
