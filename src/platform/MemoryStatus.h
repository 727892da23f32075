// The computer's memory status: total physical memory and the share of it in use.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <functional>

namespace MemoryStatus {

struct Figures {
    // Bytes: 64 bits, since today's machines hold more than 4 GiB.
    quint64 totalPhysical = 0;
    // Percentage of physical memory in use, 0 to 100.
    int memoryLoad = 0;
};

// The figures of a /proc/meminfo text: MemTotal, and the load as the share of MemTotal that
// MemAvailable leaves (MemFree + Buffers + Cached on kernels without MemAvailable).
Figures fromMeminfo(const QByteArray &text);

// The figures now, from the installed source or the system.
Figures current();

// Replaces the system as the source (tests); an empty function restores it.
void setSource(std::function<Figures()> source);

} // namespace MemoryStatus
