#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The peak resident memory of a process in MB (VmHWM of /proc/PROCESS/status: "self" or a pid),
// counting only what it touched itself; -1 when it cannot be read.
inline double peakMegabytes(const QString &process = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(process));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}
