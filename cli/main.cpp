// orvanta-times: the six prayer times of a day on standard output.
#include <iostream>

#include "cli/times_command.h"

int main(int argc, char** argv) {
    return orvanta::RunTimesCommand(argc, argv, std::cout, std::cerr, orvanta::LocalDateToday);
}
