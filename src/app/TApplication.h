#pragma once
#include <QApplication>

namespace corvanta {

// An exception that escapes an event handler is shown in a message box and the program runs on.
class TApplication final : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace corvanta
