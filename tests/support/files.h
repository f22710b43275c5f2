#pragma once
// Reading and writing a file's bytes in tests.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace vintaro::test {

// The file's bytes; "<missing>" when there is none.
inline QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Replaces the file with exactly these bytes.
inline bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace vintaro::test
