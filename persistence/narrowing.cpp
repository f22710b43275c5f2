#include "persistence/narrowing.h"

#include <cmath>

#include "persistence/cp1250.h"
#include "core/fields.h"

namespace vintaro {

QStringList listFields(const QByteArray &content)
{
    QStringList out;
    for (const Field &field : readFields(std::string_view(content.constData(), size_t(content.size()))))
        out << fromCp1250(QByteArray::fromStdString(field.text));
    return out;
}

std::optional<double> narrowingAnswer(const QString &answer)
{
    bool ok = false;
    const double value = answer.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool narrowingAccepted(double n, int count)
{
    // An answer below one would narrow to no spin at all: it is asked again,
    // like 0 and answers beyond the list.
    return n >= 1 && n <= count;
}

QStringList lastFields(const QStringList &fields, double n)
{
    QStringList out;
    const double first = double(fields.size()) - n + 1;
    for (qsizetype i = 1; i <= fields.size(); ++i)
        if (double(i) >= first)
            out << fields.at(i - 1);
    return out;
}

} // namespace vintaro
