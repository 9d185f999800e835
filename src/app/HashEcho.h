#pragma once
class QLineEdit;

namespace corvanta {

// Password fields of the program echo "#" for every character.
void showHashesFor(QLineEdit* field);

} // namespace corvanta
