// Stands in for a second copy of Korvane: claims the single-instance lock in
// the folder given as the first argument and says how that went on stdout.
// The copy that got the lock keeps it until it is killed.

#include "single_instance_guard.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: platform_instance_holder LOCK_FOLDER\n", stderr);
        return 2;
    }
    korvane::SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    const korvane::InstanceClaim claim = guard.Claim();
    switch (claim) {
    case korvane::InstanceClaim::First:
        std::puts("First");
        break;
    case korvane::InstanceClaim::AlreadyRunning:
        std::puts("AlreadyRunning");
        break;
    case korvane::InstanceClaim::Unguarded:
        std::puts("Unguarded");
        break;
    }
    std::fflush(stdout);
    if (claim != korvane::InstanceClaim::First)
        return 0;
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}
