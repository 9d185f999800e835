#include "app/TForm1.h"

#include <QCheckBox>

namespace corvanta {

// The dial optimiser (statistics, phone-book rewrite, training schedule) is not built yet:
// these are the places where it plugs in.
void TForm1::RunDialOptimiser() {}
void TForm1::CheckBox11MouseUp() {}
void TForm1::Timer2Timer() {}

void TForm1::CheckBox9Click() {
    const bool on = CheckBox9->isChecked();
    if (!on)
        CheckBox11->setChecked(false);
    CheckBox11->setEnabled(on);
    CheckBox12->setEnabled(on);
    if (on)
        CheckBox11MouseUp();
}

} // namespace corvanta
