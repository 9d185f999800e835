#include "app/TForm1.h"

namespace corvanta {

// The dangerous-file scanner is not built yet; its button stays disabled until it is.
void TForm1::LbSpeedButton4Click() {}

} // namespace corvanta
