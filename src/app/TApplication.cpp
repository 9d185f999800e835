#include "app/TApplication.h"

#include <QMessageBox>
#include <exception>

namespace corvanta {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, "Corvanta", QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, "Corvanta", "Unexpected error.");
    }
    return false;
}

} // namespace corvanta
