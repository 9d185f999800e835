#include "app/TForm1.h"

#include "guard/PhoneMask.h"
#include "guard/TForm4.h"
#include "platform/TextCodec.h"

#include <QLineEdit>
#include <QListWidget>

namespace corvanta {
namespace {

std::vector<std::string> masksOf(const QListWidget* list) {
    std::vector<std::string> masks;
    masks.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        masks.push_back(fromQt(list->item(i)->text()));
    return masks;
}

} // namespace

bool TForm1::CheckPhoneNumber(const std::string& number) const {
    return IsPhoneNumberAllowed(number, masksOf(ListBox2), masksOf(ListBox3));
}

void TForm1::addMaskTo(QListWidget* list) {
    TForm4 dialog(this);
    if (services_.dialogs.exec(dialog) == QDialog::Accepted)
        list->addItem(dialog.Edit1->text());
}

void TForm1::editSelectedMask(QListWidget* list) {
    const int row = list->currentRow();
    if (row < 0 || !list->item(row)->isSelected())
        return;
    TForm4 dialog(this);
    dialog.Edit1->setText(list->item(row)->text());
    if (services_.dialogs.exec(dialog) == QDialog::Accepted)
        list->item(row)->setText(dialog.Edit1->text());
}

void TForm1::deleteSelectedMask(QListWidget* list) {
    const int row = list->currentRow();
    if (row >= 0 && list->item(row)->isSelected())
        delete list->takeItem(row);
}

void TForm1::clearMasks(QListWidget* list, const QString& warning) {
    if (confirm(warning, MessageButtons::OkCancel))
        list->clear();
}

void TForm1::LbSpeedButton9Click() {
    addMaskTo(ListBox2);
}
void TForm1::LbSpeedButton10Click() {
    deleteSelectedMask(ListBox2);
}
void TForm1::LbSpeedButton11Click() {
    clearMasks(ListBox2, "All items in Prohibited phone list will be deleted!");
}
void TForm1::LbSpeedButton12Click() {
    addMaskTo(ListBox3);
}
void TForm1::LbSpeedButton13Click() {
    deleteSelectedMask(ListBox3);
}
void TForm1::LbSpeedButton14Click() {
    clearMasks(ListBox3, "All items in Allowed phone list will be deleted!");
}
void TForm1::ListBox2DblClick() {
    editSelectedMask(ListBox2);
}
void TForm1::ListBox3DblClick() {
    editSelectedMask(ListBox3);
}

} // namespace corvanta
