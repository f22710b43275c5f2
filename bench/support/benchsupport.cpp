#include "bench/support/benchsupport.h"

#include <QDir>
#include <QFile>

namespace vintaro::bench {

std::vector<std::int16_t> sampleSpins(int count)
{
    std::vector<std::int16_t> spins;
    spins.reserve(static_cast<size_t>(count));
    std::uint32_t state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        spins.push_back(static_cast<std::int16_t>((state >> 16) % 37));
    }
    return spins;
}

BenchWindow::BenchWindow() : folder(std::make_unique<QTemporaryDir>())
{
    const QDir data(QStringLiteral(VINTARO_DATA_DIR));
    for (const QString &name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), folder->filePath(name));
    auto fake = std::make_unique<test::FakePlatform>();
    platform = fake.get();
    window = std::make_unique<Form1>(folder->path(), std::move(fake));
    window->show();
}

void BenchWindow::load(const std::vector<std::int16_t> &spins)
{
    QFile file(folder->filePath(QStringLiteral("rszamok.txt")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (std::int16_t n : spins)
        file.write(QByteArray::number(n).rightJustified(2, ' ') + "\r\n");
    file.close();
    window->startList();
}

} // namespace vintaro::bench
