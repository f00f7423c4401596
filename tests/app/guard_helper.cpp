// guard_helper <key>: takes the single-instance guard like the program does. The first instance
// prints "first" and runs until it is asked to come forward, which it reports as "reopen"; a
// later one prints "second" after signalling the first, and exits with code 3.
#include "SingleInstanceGuard.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstanceGuard guard(QString::fromLocal8Bit(argv[1]));
    if (!guard.tryRun()) {
        const bool told = guard.signalRunningInstance();
        std::printf(told ? "second\n" : "second-unanswered\n");
        std::fflush(stdout);
        return 3;
    }
    QObject::connect(&guard, &SingleInstanceGuard::signal_reopenApp, &app, []() {
        std::printf("reopen\n");
        std::fflush(stdout);
    });
    std::printf("first\n");
    std::fflush(stdout);
    return app.exec();
}
