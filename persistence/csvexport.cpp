#include "persistence/csvexport.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

#include <array>
#include <initializer_list>

#include "core/numbermodel.h"
#include "core/session.h"

namespace vintaro {

namespace {

// Rows of the statistics table, by their place in it.
enum Row { Black, Red, Low, High, Third1, Third2, Third3, ColumnP, ColumnM, ColumnD, Even, Odd };

const char *const kContext = "vintaro::CsvExport";

// The outside bets as the statistics table names them, row by row.
constexpr std::array<const char *, kRowCount> kRowNames = {
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Fekete"),      QT_TRANSLATE_NOOP("vintaro::CsvExport", "Piros"),
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Alacsony"),    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Magas"),
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "1. harmad"),   QT_TRANSLATE_NOOP("vintaro::CsvExport", "2. harmad"),
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "3. harmad"),   QT_TRANSLATE_NOOP("vintaro::CsvExport", "Oszlop P"),
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Oszlop M"),    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Oszlop D"),
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Páros"),       QT_TRANSLATE_NOOP("vintaro::CsvExport", "Páratlan"),
    QT_TRANSLATE_NOOP("vintaro::CsvExport", "Oszlop  P M"), QT_TRANSLATE_NOOP("vintaro::CsvExport", "Oszlop  M D"),
};

// A text of the export in the program's language.
std::string text(const char *source) { return QCoreApplication::translate(kContext, source).toStdString(); }

// Every row's name, looked up once per export.
std::array<std::string, kRowCount> rowNames()
{
    std::array<std::string, kRowCount> names;
    for (int row = 0; row < kRowCount; ++row)
        names[size_t(row)] = text(kRowNames[size_t(row)]);
    return names;
}

// The name of the first of `rows` that holds n; empty for 0.
const std::string &memberName(const std::array<std::string, kRowCount> &names, int n, std::initializer_list<int> rows)
{
    static const std::string none;
    for (int row : rows)
        if (isRowMember(row, n))
            return names[size_t(row)];
    return none;
}

const char kByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

std::string csvField(std::string_view text, char separator)
{
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (text.find_first_of(special) == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string csvRecord(const std::vector<std::string> &fields, char separator)
{
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += separator;
        out += csvField(fields[i], separator);
    }
    out += "\r\n";
    return out;
}

std::string historyCsv(std::span<const std::int16_t> spins, CsvStyle style)
{
    std::string out = style.byteOrderMark ? kByteOrderMark : "";
    // The first two name the columns the analysis reader looks for.
    out += csvRecord({text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Sorszám")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Szám")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Szín")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Harmad")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Oszlop")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Páros/páratlan")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Alacsony/magas"))},
                     style.separator);
    const std::array<std::string, kRowCount> names = rowNames();
    const std::string green = text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Zöld"));
    out.reserve(out.size() + spins.size() * 48);
    int index = 0;
    for (const std::int16_t n : spins) {
        out += csvRecord({std::to_string(++index), std::to_string(n),
                          n == 0 ? green : memberName(names, n, {Red, Black}),
                          memberName(names, n, {Third1, Third2, Third3}),
                          memberName(names, n, {ColumnP, ColumnM, ColumnD}), memberName(names, n, {Even, Odd}),
                          memberName(names, n, {Low, High})},
                         style.separator);
    }
    return out;
}

std::string statisticsCsv(const Session &session, CsvStyle style)
{
    std::string out = style.byteOrderMark ? kByteOrderMark : "";
    out += csvRecord({text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Megnevezés")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Hányszor")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Kimaradás")),
                      text(QT_TRANSLATE_NOOP("vintaro::CsvExport", "Maximális kimaradás"))},
                     style.separator);
    const std::array<std::string, kRowCount> names = rowNames();
    const RowFigures &figures = session.figures();
    for (int row = 0; row < kRowCount; ++row) {
        const Figures &f = figures[static_cast<size_t>(row)];
        out += csvRecord({names[size_t(row)], std::to_string(f.hits), std::to_string(f.current),
                          std::to_string(f.longest)},
                         style.separator);
    }
    for (int n = 1; n <= kHighestNumber; ++n)
        out += csvRecord({std::to_string(n), {}, std::to_string(session.absence(n)), {}}, style.separator);
    return out;
}

std::string statisticsPath(std::string_view historyPath)
{
    std::string_view base = historyPath;
    const size_t slash = base.find_last_of('/');
    const size_t dot = base.rfind('.');
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash + 1))
        base = base.substr(0, dot);
    return std::string(base) + "_stat.csv";
}

bool writeWholeFile(const QString &path, std::string_view bytes)
{
    // Unbuffered, so that every write reports its own failure: a buffered
    // flush that fails inside commit() would still let commit() succeed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace vintaro
