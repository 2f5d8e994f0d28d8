// Times the whole Compare command (calculation and comparison) on generated
// projects of 10, 50 and 200 walls, once on a copy of the delivered
// encrypted database file and once on an in-memory copy of the same rows,
// and prints per size the statements run per wall, the milliseconds on the
// file and in memory and their ratio, and how long the next start-up takes
// on the file the Compare left and how many file syncs it makes.
//
//   dorvane_bench [--runs N] [--db PATH] [walls ...]
//
// Each case runs Compare N times (3 unless told) on the same project and
// reports the median; the first run is included, as a user's first Compare
// after opening a project is the one that is felt.
//
// The syncs are counted by the library bench/slow_sync.c when it is
// preloaded (scripts/bench-slow-sync.sh), which can also make each of them
// slow; without it the column shows "-".
#include "bench/bench_project.h"
#include "core/app_state.h"
#include "core/project_view.h"
#include "core/startup.h"
// Trees before the lock file hold no lock to release; the side-by-side
// script builds them with these sources too.
#if __has_include("core/database_lock.h")
#include "core/database_lock.h"
#define DV_BENCH_UNLOCK() dv::UnlockDatabase()
#else
#define DV_BENCH_UNLOCK() (void)0
#endif
#include "engine/calculate.h"
#include "platform/app_error.h"
#include "platform/db.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <dlfcn.h>
#include <ctime>
#include <cstdio>
#include <sys/resource.h>
#include <map>
#include <vector>

namespace {

enum class Store { File, Memory };


struct Result {
    int walls = 0;
    int wallsYes = 0;
    long long statements = 0;
    double ms = 0;
    double cpuMs = 0;
    long long materialRows = 0;
    long long unsolved = 0;
    double startupMs = 0;  // file only: the start-up after the last Compare
    long long startupSyncs = -1;  // its fsync and fdatasync calls; -1 uncounted
};

// The count of fsync and fdatasync calls kept by the preloaded library;
// -1 when it is not loaded.
long long syncCount()
{
    using Count = long long (*)();
    static const Count count = reinterpret_cast<Count>(dlsym(RTLD_DEFAULT, "dv_sync_count"));
    return count ? count() : -1;
}

// Processor time of this process: on a busy machine it shows the work done
// apart from the time spent waiting for a processor.
double cpuMilliseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long long countRows(const QString& sql)
{
    dv::Recordset rs = dv::DbConnection.query(sql);
    return rs.eof() ? 0 : rs.field(0).toInt32();
}

Result runCase(Store store, int walls, int runs, const QString& deliveredPath)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        throw dv::AppError(dv::err::Database, QStringLiteral("Cannot make a temporary folder."));
    if (store == Store::File) {
        const QString path = dir.path() + QStringLiteral("/Dorvane.dat");
        if (!QFile::copy(deliveredPath, path))
            throw dv::AppError(dv::err::Database, QStringLiteral("Cannot copy the database '%1'.").arg(deliveredPath));
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        dv::DatabasePath = path;
        dv::OpenDatabase();
    } else {
        dvbench::OpenMemoryCopy(deliveredPath);
    }

    dv::MemoryProjectView view;
    dv::setProjectView(&view);
    Result r;
    try {
        dvbench::BuildProject(walls);
        r.walls = view.wallGridRowCount();
        for (int i = 0; i < r.walls; ++i)
            r.wallsYes += view.wallGridCell(i, 2) == QLatin1String("Yes");

        std::vector<double> times, cpuTimes;
        std::vector<long long> counts;
        for (int i = 0; i < runs; ++i) {
            const long long before = dv::DbConnection.statementCount();
            QElapsedTimer timer;
            const double cpuBefore = cpuMilliseconds();
            timer.start();
            dv::RunCompare();
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            cpuTimes.push_back(cpuMilliseconds() - cpuBefore);
            counts.push_back(dv::DbConnection.statementCount() - before);
        }
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        r.ms = sorted[sorted.size() / 2];
        std::sort(cpuTimes.begin(), cpuTimes.end());
        r.cpuMs = cpuTimes[cpuTimes.size() / 2];
        r.statements = counts.back();
        r.materialRows = countRows(QStringLiteral("SELECT COUNT(*) FROM Material_List"));
        r.unsolved = countRows(QStringLiteral("SELECT COUNT(*) FROM Validation_Information"));
    } catch (...) {
        dv::setProjectView(nullptr);
        dv::DbConnection.close();
        throw;
    }
    dv::setProjectView(nullptr);
    dv::DbConnection.close();
    if (store == Store::File) {
        // The next start-up empties the project and compacts the file the
        // Compare left behind.
        dv::MemoryProjectView startView;
        const long long syncsBefore = syncCount();
        QElapsedTimer timer;
        timer.start();
        dv::Main(dir.path(), [&startView]() -> dv::ProjectView* { return &startView; });
        r.startupMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (syncsBefore >= 0)
            r.startupSyncs = syncCount() - syncsBefore;
        dv::setProjectView(nullptr);
        dv::DbConnection.close();
        DV_BENCH_UNLOCK();  // as when the program ends, before its folder goes
    }
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int runs = 3;
    QString delivered = QStringLiteral(DV_DELIVERED_DB);
    std::vector<int> sizes;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        bool ok = false;
        if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) {
            runs = args[++i].toInt(&ok);
            if (!ok || runs < 1) {
                std::fprintf(stderr, "--runs needs a whole number of at least 1\n");
                return 2;
            }
        } else if (args[i] == QLatin1String("--db") && i + 1 < args.size()) {
            delivered = args[++i];
        } else {
            const int n = args[i].toInt(&ok);
            if (!ok || n < 1 || n > 32767) {
                std::fprintf(stderr, "usage: dorvane_bench [--runs N] [--db PATH] [walls ...]\n");
                return 2;
            }
            sizes.push_back(n);
        }
    }
    if (sizes.empty())
        sizes = {10, 50, 200};

    std::printf("Compare on %s, median of %d run(s)\n", qPrintable(delivered), runs);
    std::printf("%6s %6s %10s %10s %10s %8s %10s %11s %9s %9s\n", "walls", "Yes", "stmt/wall", "file ms",
                "memory ms", "file/mem", "start ms", "start syncs", "material", "unsolved");
    std::map<int, Result> onFile, inMemory;
    try {
        // The two stores of a size run one after the other, so that both
        // see the same load on a shared machine.
        for (int n : sizes) {
            const Result f = runCase(Store::File, n, runs, delivered);
            const Result m = runCase(Store::Memory, n, runs, delivered);
            onFile[n] = f;
            inMemory[n] = m;
            const QByteArray syncs = f.startupSyncs < 0 ? QByteArray("-") : QByteArray::number(f.startupSyncs);
            std::printf("%6d %6d %10.0f %10.1f %10.1f %8.2f %10.1f %11s %9lld %9lld\n", f.walls, f.wallsYes,
                        f.walls ? static_cast<double>(f.statements) / f.walls : 0.0, f.ms, m.ms,
                        m.ms > 0 ? f.ms / m.ms : 0.0, f.startupMs, syncs.constData(), f.materialRows, f.unsolved);
            if (f.statements != m.statements || f.materialRows != m.materialRows)
                std::printf("       (in memory: %lld statements, %lld material rows)\n", m.statements, m.materialRows);
            std::fflush(stdout);
        }
    } catch (const dv::AppError& e) {
        std::fprintf(stderr, "Error %ld: %s\n", e.number(), qPrintable(e.description()));
        return 1;
    }

    // The targets: at most 1,000 statements per wall, the file within 1.25
    // times memory, 200 walls within 4.2 times 50, start-up under 0.25 s
    // (0.5 s with 8 ms per sync) and at most 12 syncs.
    if (onFile.count(50) && onFile.count(200) && onFile[50].ms > 0)
        std::printf("200 / 50 walls on the file: %.2f (target <= 4.2)\n", onFile[200].ms / onFile[50].ms);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %ld MB\n", usage.ru_maxrss / 1024);
    return 0;
}
