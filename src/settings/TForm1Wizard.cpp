#include "app/TForm1.h"

namespace corvanta {

// The configuration wizard is not built yet; its button stays disabled until it is.
void TForm1::LbSpeedButton1Click() {}

} // namespace corvanta
