#pragma once
// The real adapters behind the main window, as the installed program uses them.
#include "app/AppServices.h"

#include <memory>

namespace corvanta {

class ProductionServices {
public:
    ProductionServices();
    ~ProductionServices();
    AppServices& services() { return *services_; }

private:
    struct Adapters;
    std::unique_ptr<Adapters> adapters_;
    std::unique_ptr<AppServices> services_;
};

} // namespace corvanta
