#include "persistence/narrowing.h"

#include <QByteArray>

#include <cmath>

#include "persistence/fields.h"
#include "persistence/spinfiles.h"

namespace vintaro {

FieldCount countFields(const QString &path)
{
    FieldCount result;
    result.status = forEachField(path, [&](std::string_view, int, bool) {
        ++result.count;
        return true;
    });
    if (result.status != ReadStatus::Ok)
        result.count = 0;
    return result;
}

std::optional<double> narrowingAnswer(const QString &answer)
{
    // A Hungarian desktop writes the decimal point as a comma.
    QString text = answer.trimmed();
    if (text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool narrowingAccepted(double n, qint64 count)
{
    // An answer below one would narrow to no spin at all: it is asked again,
    // like 0 and answers beyond the list.
    return n >= 1 && n <= double(count);
}

namespace {

// Whether the text, alone on a line, reads back as exactly this spin.
bool readsBackAs(std::string_view text, int spin)
{
    const std::vector<Field> fields = readFields(text);
    return fields.size() == 1 && fieldSpin(fields.front().text, false) == spin;
}

} // namespace

CopyResult writeLastFields(const QString &from, qint64 count, double n, SafeWriter &writer)
{
    const double first = double(count) - n + 1;
    QByteArray block;
    qint64 i = 0;
    bool written = true;
    const ReadStatus status = forEachField(from, [&](std::string_view text, int, bool cut) {
        if (double(++i) < first)
            return true;
        const int spin = fieldSpin(text, cut);
        if (spin < 0)
            return true;
        if (readsBackAs(text, spin))
            block.append(text.data(), qsizetype(text.size()));
        else
            block.append(QByteArray::number(spin));
        block.append("\r\n");
        if (block.size() >= (1 << 16)) {
            written = writer.write(block);
            block.clear();
        }
        return written;
    });
    if (status == ReadStatus::Missing)
        return CopyResult::SourceMissing;
    if (status != ReadStatus::Ok)
        return CopyResult::SourceUnreadable;
    if (!written || !writer.write(block))
        return CopyResult::TargetUnwritable;
    return CopyResult::Copied;
}

CopyResult writeLastFields(const QString &from, qint64 count, double n, const QString &to)
{
    SafeWriter writer(to);
    const CopyResult result = writeLastFields(from, count, n, writer);
    if (result != CopyResult::Copied)
        return result;
    return writer.commit() ? CopyResult::Copied : CopyResult::TargetUnwritable;
}

} // namespace vintaro
