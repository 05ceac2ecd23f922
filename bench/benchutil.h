#pragma once
// Small helpers shared by the benchmark programs.

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <cstdio>
#include <functional>

// Best wall time of a few runs, in seconds.
inline double bestSeconds(int runs, const std::function<void()> &work)
{
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

#ifdef __GLIBC__
#include <malloc.h>
#endif

// Heap memory in use by this process in MB (glibc); -1 elsewhere. Unlike the
// resident size it drops when memory is freed, so a difference measures one
// data structure.
inline double heapInUseMegabytes()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
#else
    return -1;
#endif
}

// Resident memory of this process in MB (Linux); -1 elsewhere.
inline double residentMegabytes()
{
#ifdef __linux__
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
#endif
    return -1;
}
