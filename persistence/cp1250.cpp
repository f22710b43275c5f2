#include "persistence/cp1250.h"

#include <algorithm>

#include "persistence/textencoding.h"

namespace vintaro {

QByteArray toCp1250(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // a character beyond the first plane is one '?', not two
        const int b = c.isSurrogate() ? -1 : cp1250Byte(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString fromCp1250(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = QChar(cp1250Character(b));
    }
    return out;
}

bool fitsCp1250(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return !c.isSurrogate() && cp1250Byte(c.unicode()) >= 0; });
}

} // namespace vintaro
