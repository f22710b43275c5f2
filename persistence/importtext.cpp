#include "persistence/importtext.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include "core/textformat.h"

namespace vintaro {

namespace {

// The texts' context.
struct SpinImport
{
    Q_DECLARE_TR_FUNCTIONS(vintaro::SpinImport)
};

QString number(std::int64_t value) { return QString::fromStdString(formatInteger(value)); }

QString spinsText(const std::vector<std::uint8_t> &spins, std::size_t from, std::size_t to)
{
    QStringList out;
    for (std::size_t k = from; k < to; ++k)
        out << QString::number(spins[k]);
    return out.join(QStringLiteral(", "));
}

QString formatText(const ImportRead &read, const std::string &column)
{
    switch (read.format) {
    case ImportFormat::List: return SpinImport::tr("számlista");
    case ImportFormat::Csv: return SpinImport::tr("táblázat (CSV), oszlop: %1").arg(QString::fromStdString(column));
    case ImportFormat::ExportCsv: return SpinImport::tr("a program CSV-exportja (a „Szám” oszlop)");
    }
    return {};
}

QString encodingText(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Windows1250: return QStringLiteral("Windows-1250");
    case TextEncoding::Utf16: return QStringLiteral("UTF-16");
    }
    return {};
}

QString reasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::NotANumber: return SpinImport::tr("nem egész szám");
    case SkipReason::OutOfRange: return SpinImport::tr("36-nál nagyobb szám");
    case SkipReason::Header: return SpinImport::tr("fejléc");
    case SkipReason::NoColumn: return SpinImport::tr("nincs ilyen oszlopa");
    }
    return {};
}

} // namespace

QString importPreviewText(const ImportRead &read, const std::string &column)
{
    const auto &spins = read.read.spins;
    QStringList lines;
    lines << SpinImport::tr("Formátum: %1; kódolás: %2").arg(formatText(read, column), encodingText(read.encoding));
    lines << SpinImport::tr("Beolvasott pörgetések: %1 (%2 sorból)").arg(number(std::int64_t(spins.size())), number(read.read.lines));
    if (!spins.empty()) {
        const std::size_t shown = std::min<std::size_t>(spins.size(), kPreviewSpins);
        lines << SpinImport::tr("A legrégebbiek: %1").arg(spinsText(spins, 0, shown));
        lines << SpinImport::tr("A legújabbak: %1").arg(spinsText(spins, spins.size() - shown, spins.size()));
    }
    lines << SpinImport::tr("Kihagyott sorok: %1").arg(number(read.read.skippedLines()));
    for (int k = 0; k < kSkipReasonCount; ++k)
        if (read.read.skipped[std::size_t(k)] > 0)
            lines << SpinImport::tr("  %1: %2 sor (az első %3. sor)")
                         .arg(reasonText(SkipReason(k)), number(read.read.skipped[std::size_t(k)]),
                              QString::fromStdString(withArticle(read.read.firstSkipped[std::size_t(k)])));
    return lines.join(QLatin1Char('\n'));
}

QString importProblemText(const ImportRead &read, const QString &file, const std::string &column)
{
    const QString shown = QDir::toNativeSeparators(file);
    switch (read.status) {
    case ImportRead::Status::Ok: break;
    case ImportRead::Status::Missing: return SpinImport::tr("A fájl nem található:\n%1").arg(shown);
    case ImportRead::Status::Unreadable:
        return SpinImport::tr("A fájl nem olvasható (%1):\n%2").arg(QString::fromStdString(read.error), shown);
    case ImportRead::Status::TooLarge:
        return SpinImport::tr("A fájl nagyobb %1 MiB-nál, nem pörgetések listája:\n%2")
            .arg(number(std::int64_t(kImportLimit >> 20)), shown);
    }
    if (read.read.columnMissing)
        return SpinImport::tr("A táblázat első sorában nincs „%1” nevű oszlop:\n%2").arg(QString::fromStdString(column), shown);
    if (read.read.spins.empty())
        return SpinImport::tr("A fájlban nincs 0 és 36 közötti szám:\n%1").arg(shown);
    return {};
}

} // namespace vintaro
