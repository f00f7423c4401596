// analyzer-sim: plays the analyzer on a pseudo-terminal for ChemDesk.
#include "AnalyzerSimulator.h"
#include "SimPty.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonDocument>
#include <QSaveFile>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
std::atomic<bool> g_stop{false};
std::atomic<int> g_add{0};
std::atomic<int> g_toggleSilence{0};

void onSignal(int sig)
{
    if (sig == SIGUSR1)
        ++g_add;
    else if (sig == SIGUSR2)
        ++g_toggleSilence;
    else
        g_stop = true;
}

void out(const QString& line)
{
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("analyzer-sim"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Plays the chemistry analyzer on a pseudo-terminal. It answers MachineID, ResultSize, "
        "ResultQuery and **AA## as docs/analyzer-protocol.md tells.\n\n"
        "On start it prints two lines:\n"
        "  port: /tmp/ttyCDSIM<k>   (the name ChemDesk lists and connects to)\n"
        "  slave: /dev/pts/<n>      (the pseudo-terminal behind it)\n"
        "then one line per command and reply. SIGUSR1 adds one generated result; SIGUSR2 makes it fall\n"
        "silent (it reads every message and answers none) and, sent again, answer again;\n"
        "SIGINT/SIGTERM end it.\n\n"
        "Results: the records of --results FILE (re-read whenever it changes) numbered 1..F, then\n"
        "--count generated ones numbered F+1..F+N. Generated results depend only on --seed and their\n"
        "position, so a restart with a larger --count serves the same first results and then new ones.\n\n"
        "Fault SELECTOR: all | REPLY | REPLY@N | @N | rowid=K, where REPLY is ReMachineID,\n"
        "ReResultSize or ReResultQuery, @N is the N-th reply (of that kind) since start and\n"
        "rowid=K the record reply of result K; @N and rowid=K strike once, the others every time.\n"
        "Options may be repeated."));
    p.addHelpOption();
    QCommandLineOption count({"n", "count"}, "Generate N results (default 10).", "N", "10");
    QCommandLineOption results("results", "Serve the result objects of FILE (a JSON array) first.", "FILE");
    QCommandLineOption writeOpt("write", "Write every served result to FILE as a JSON array and go on.", "FILE");
    QCommandLineOption seed("seed", "Seed of the generated results (default 1).", "S", "1");
    QCommandLineOption machine("machine-id", "The analyzer's machine id (default CDSIM0001).", "ID", "CDSIM0001");
    QCommandLineOption link("link", "Path of the port link (default: first free /tmp/ttyCDSIM<k>); "
                                 "the program lists only /tmp/ttyCDSIM* names.", "PATH");
    QCommandLineOption grow("grow-every", "Add one generated result every MS milliseconds.", "MS", "0");
    QCommandLineOption drop("drop", "Send nothing instead of the selected replies.", "SELECTOR");
    QCommandLineOption corrupt("corrupt", "Spoil the check byte of the selected replies.", "SELECTOR");
    QCommandLineOption split("split", "Write the selected replies in three pieces, --split-pause apart.", "SELECTOR");
    QCommandLineOption splitPause("split-pause", "Pause between split pieces (default 300 ms).", "MS", "300");
    QCommandLineOption noise("noise", "Send noise bytes before the selected replies.", "SELECTOR");
    QCommandLineOption delay("delay", "Wait MS before the selected replies (default selector: all).", "MS[:SELECTOR]");
    QCommandLineOption hangup("hangup", "Hang up the line instead of the selected replies.", "SELECTOR");
    QCommandLineOption reopen("reopen-after", "After a hang-up, open a new line behind the same link after MS "
                                              "(default 1000; negative: exit).", "MS", "1000");
    QCommandLineOption quiet({"q", "quiet"}, "Print only the port lines.");
    QCommandLineOption withParent("exit-with-parent", "End when the program that started this one ends "
                                                      "(for test programs that may be killed).");
    p.addOptions({count, results, writeOpt, seed, machine, link, grow, drop, corrupt, split, splitPause, noise,
                  delay, hangup, reopen, quiet, withParent});
    p.process(app);
    if (p.isSet(withParent)) {
        const pid_t parent = ::getppid();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent || parent == 1)
            return 0; // already gone
    }

    AnalyzerSimulator::Options opt;
    opt.count = p.value(count).toInt();
    opt.seed = p.value(seed).toUInt();
    opt.machineId = p.value(machine);
    opt.resultsFile = p.value(results);
    opt.splitPauseMs = p.value(splitPause).toInt();
    const struct { QCommandLineOption* o; FaultPlan::Kind k; } faults[] = {
        {&drop, FaultPlan::Drop}, {&corrupt, FaultPlan::Corrupt}, {&split, FaultPlan::Split},
        {&noise, FaultPlan::Noise}, {&delay, FaultPlan::Delay}, {&hangup, FaultPlan::Hangup}};
    for (const auto& f : faults) {
        for (const QString& v : p.values(*f.o)) {
            QString err;
            if (!opt.faults.add(f.k, v, &err)) {
                std::fprintf(stderr, "analyzer-sim: --%s: %s\n", qPrintable(FaultPlan::kindName(f.k)), qPrintable(err));
                return 2;
            }
        }
    }

    AnalyzerSimulator sim(opt);
    const bool verbose = !p.isSet(quiet);
    if (verbose)
        sim.setLogger(out);

    if (p.isSet(writeOpt)) {
        QSaveFile f(p.value(writeOpt));
        if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(sim.results()).toJson()) < 0 || !f.commit()) {
            std::fprintf(stderr, "analyzer-sim: cannot write %s\n", qPrintable(p.value(writeOpt)));
            return 1;
        }
    }

    SimPty pty(sim);
    if (verbose)
        pty.setLogger(out);
    QString err;
    if (!pty.open(p.value(link), &err)) {
        std::fprintf(stderr, "analyzer-sim: %s\n", qPrintable(err));
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGHUP, onSignal);
    std::signal(SIGUSR1, onSignal);
    std::signal(SIGUSR2, onSignal);

    out(QStringLiteral("port: %1").arg(pty.linkPath()));
    out(QStringLiteral("slave: %1").arg(pty.slavePath()));
    if (verbose)
        out(QStringLiteral("machine id %1, %2 results").arg(sim.machineId()).arg(sim.resultCount()));

    pty.start(p.value(reopen).toInt(), p.value(grow).toInt());
    while (!g_stop.load() && pty.isRunning()) {
        const int add = g_add.exchange(0);
        if (add > 0)
            sim.addGenerated(add);
        if (g_toggleSilence.exchange(0) % 2 == 1)
            sim.setSilent(!sim.isSilent());
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    pty.stop();
    pty.close();
    return 0;
}
