#include "DialsimCommands.h"

#include "platform/SimulatedDialupService.h"

#include <iostream>

int main(int argc, char** argv) {
    corvanta::SimulatedDialupService service(corvanta::SimulatedDialupService::defaultPath(),
                                             corvanta::SimulatedDialupService::systemNowMs,
                                             "dialsim");
    return corvanta::dialsim::run({argv + 1, argv + argc}, service, std::cout, std::cerr);
}
