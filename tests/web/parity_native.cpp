// The native side of the parity test: the same page functions as the
// WebAssembly module, compiled for this machine, over every input the form
// can hand over. One line per input: the check's answer, a tab, the reading.
#include <cstdio>
#include <cstring>
#include <initializer_list>

extern "C" {
char* korvane_name_buffer(int size);
const char* korvane_check(int male, int female, int dayIndex, int monthIndex, int yearIndex);
const char* korvane_reading(int male, int dayIndex, int monthIndex, int yearIndex);
}

int main() {
    std::memcpy(korvane_name_buffer(1), "A", 1);
    for (int year = 0; year < 151; ++year) {
        for (int month = 0; month < 12; ++month) {
            for (int day = 0; day < 31; ++day) {
                for (const int male : {1, 0}) {
                    std::fputs(korvane_check(male, 1 - male, day, month, year), stdout);
                    std::fputc('\t', stdout);
                    std::fputs(korvane_reading(male, day, month, year), stdout);
                    std::fputc('\n', stdout);
                }
            }
        }
    }
    return 0;
}
