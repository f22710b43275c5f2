#include "persistence/csvexport.h"

#include <QSaveFile>
#include <QString>

#include <initializer_list>

#include "core/numbermodel.h"
#include "core/session.h"

namespace vintaro {

namespace {

// Rows of the statistics table, by their place in it.
enum Row { Black, Red, Low, High, Third1, Third2, Third3, ColumnP, ColumnM, ColumnD, Even, Odd };

std::string caption(int row) { return std::string(rowCaption(row)); }

// The caption of the first of `rows` that holds n; empty for 0.
std::string memberCaption(int n, std::initializer_list<int> rows)
{
    for (int row : rows)
        if (isRowMember(row, n))
            return caption(row);
    return {};
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
    out += csvRecord({std::string(kCsvIndexHeader), std::string(kCsvNumberHeader), "Szín", "Harmad", "Oszlop", "Páros/páratlan", "Alacsony/magas"},
                     style.separator);
    out.reserve(out.size() + spins.size() * 48);
    int index = 0;
    for (const std::int16_t n : spins) {
        const std::string colour = n == 0 ? "Zöld" : memberCaption(n, {Red, Black});
        out += csvRecord({std::to_string(++index), std::to_string(n), colour,
                          memberCaption(n, {Third1, Third2, Third3}), memberCaption(n, {ColumnP, ColumnM, ColumnD}),
                          memberCaption(n, {Even, Odd}), memberCaption(n, {Low, High})},
                         style.separator);
    }
    return out;
}

std::string statisticsCsv(const Session &session, CsvStyle style)
{
    std::string out = style.byteOrderMark ? kByteOrderMark : "";
    out += csvRecord({"Megnevezés", "Hányszor", "Kimaradás", "Maximális kimaradás"}, style.separator);
    const RowFigures &figures = session.figures();
    for (int row = 0; row < kRowCount; ++row) {
        const Figures &f = figures[static_cast<size_t>(row)];
        out += csvRecord({caption(row), std::to_string(f.hits), std::to_string(f.current), std::to_string(f.longest)},
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
