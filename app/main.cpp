#include "startup.h"

int main(int argc, char** argv) {
    return korvane::RunKorvane(argc, argv);
}
