// How long reading a profile's registry file takes, as /check and /apply read it before
// they compare: files of 1 000 to 100 000 value lines (or up to the number given), a
// hundred values a key, strings, numbers and binary data in turn, each value set twice.
// Prints the fastest of three reads of each file, the time a line and the ratio to the
// first file's time a line, which stays near 1 while the reading is linear. Asserts
// nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "profiles/settings_check.h"

namespace {

constexpr int kRuns = 3;

std::string ValueLine(int n, bool capitals) {
    const std::string number = std::to_string(n);
    switch (n % 3) {
        case 0:
            return (capitals ? "\"TEXT" : "\"Text") + number + "\"=\"value " + number + "\"\r\n";
        case 1:
            return (capitals ? "\"NUMBER" : "\"Number") + number + "\"=dword:0000" +
                   std::to_string(n % 10) + "f3a\r\n";
        default:
            return (capitals ? "\"DATA" : "\"Data") + number + "\"=hex:01,02,03,04,05,06,07,08\r\n";
    }
}

// The values are set twice, the second time with their names in capitals in a key
// named in other letters, so that every line is compared with what came before it.
std::string RegistryFile(int lines) {
    std::string file = "REGEDIT4\r\n";
    for (int pass = 0; pass < 2; ++pass) {
        for (int n = 0; n < lines / 2; ++n) {
            if (n % 100 == 0) {
                file += std::string(pass == 0 ? "\r\n[HKEY_CURRENT_USER\\Software\\Bench\\Key"
                                              : "\r\n[hkey_current_user\\software\\bench\\KEY") +
                        std::to_string(n / 100) + "]\r\n";
            }
            file += ValueLine(n, pass == 1);
        }
    }
    return file;
}

double FastestMs(const std::string& file, size_t& values) {
    double fastest = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto wanted = tzp::profiles::ReadWantedSettings(file);
        values = wanted ? wanted->size() : 0;
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        fastest = run == 0 ? ms : std::min(fastest, ms);
    }
    return fastest;
}

}  // namespace

int main(int argc, char** argv) {
    const int most = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::printf("Reading a profile's registry file, the fastest of %d reads; the ratio is the "
                "time a line against the first file's, near 1 while the reading is linear\n",
                kRuns);
    std::printf("%8s %8s %8s %10s %9s %7s\n", "lines", "values", "KB", "ms", "us/line", "ratio");
    double firstPerLine = 0;
    for (const int lines : {1000, 2000, 4000, 8000, 10000, 20000, 50000, 100000}) {
        if (lines > most) {
            break;
        }
        const std::string file = RegistryFile(lines);
        size_t values = 0;
        const double ms = FastestMs(file, values);
        const double perLine = ms * 1000 / lines;
        firstPerLine = firstPerLine == 0 ? perLine : firstPerLine;
        std::printf("%8d %8zu %8zu %10.1f %9.2f %7.2f\n", lines, values, file.size() / 1024, ms,
                    perLine, perLine / firstPerLine);
    }
    return 0;
}
