// The computer's memory status, read from the system.
#include "platform/MemoryStatus.h"

#include <QFile>
#include <QList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace MemoryStatus {

namespace {

std::function<Figures()> &installedSource()
{
    static std::function<Figures()> source;
    return source;
}

// The value in kB of a "Name:   12345 kB" line, or -1 when the line is absent.
qint64 meminfoValue(const QList<QByteArray> &lines, QByteArrayView name)
{
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || QByteArrayView(line).first(colon) != name)
            continue;
        const QList<QByteArray> words = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = words.value(0).toLongLong(&ok);
        return ok && value >= 0 ? value : -1;
    }
    return -1;
}

Figures systemFigures()
{
#ifdef Q_OS_WIN
    MEMORYSTATUSEX status;
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return {};
    return {quint64(status.ullTotalPhys), int(status.dwMemoryLoad)};
#else
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // /proc files report a size of 0: read until the end instead of by size.
    return fromMeminfo(file.readAll());
#endif
}

} // namespace

Figures fromMeminfo(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    const qint64 totalKb = meminfoValue(lines, "MemTotal");
    if (totalKb <= 0)
        return {};
    qint64 availableKb = meminfoValue(lines, "MemAvailable");
    if (availableKb < 0) {
        availableKb = 0;
        for (const char *name : {"MemFree", "Buffers", "Cached"})
            availableKb += qMax<qint64>(0, meminfoValue(lines, name));
    }
    availableKb = qMin(availableKb, totalKb);
    Figures figures;
    figures.totalPhysical = quint64(totalKb) * 1024;
    figures.memoryLoad = int((100 * (totalKb - availableKb) + totalKb / 2) / totalKb);
    return figures;
}

Figures current()
{
    if (installedSource())
        return installedSource()();
    return systemFigures();
}

void setSource(std::function<Figures()> source)
{
    installedSource() = std::move(source);
}

} // namespace MemoryStatus
