// The least a C++ command line of this kind pays before any work of its own: the C++ runtime
// linked in as orvanta-times links it, the same argument parser declaring one command with
// three options, the system's math library loaded (a sine, a cosine and an arctangent), and a
// line written through the standard streams. start_cost.py runs it beside orvanta-times.
//
// Usage: runtime_yardstick next [--city NAME] [--format FORMAT] [--lat DEG]
#include <CLI/CLI.hpp>

#include <cmath>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    CLI::App app{"The C++ runtime, the argument parser and the math library, nothing else"};
    std::string city;
    std::string format;
    double latitudeDeg = 0.0;  // degrees, north positive
    CLI::App* next = app.add_subcommand("next", "One line");
    next->add_option("--city", city, "A name");
    next->add_option("--format", format, "A format");
    next->add_option("--lat", latitudeDeg, "Degrees");
    CLI11_PARSE(app, argc, argv);
    const double radians = latitudeDeg * M_PI / 180.0;
    std::cout << city << ' ' << format << ' '
              << std::atan2(std::sin(radians), std::cos(radians)) * 180.0 / M_PI << '\n';
    return 0;
}
