#include "commands.h"
#include "formats/keyedtext.h"
#include "toolargs.h"

#include <iostream>

int runCheck(const std::vector<std::string>& args) {
    Glider glider;
    if (const int status = loadGliderArgument(args, "check", glider); status != ExitOk)
        return status;
    std::cout << "name: " << glider.name << "\n"
              << "span: " << formatNumber(glider.span()) << "\n"
              << "wing-area: " << formatNumber(glider.wingArea()) << "\n"
              << "total-weight: " << formatNumber(glider.totalWeight()) << "\n"
              << "wing-loading: " << formatNumber(glider.wingLoading()) << "\n";
    return ExitOk;
}
