#pragma once
// Windows-1250, the single-byte code page of every text file the program
// keeps: Central European letters (á é í ó ö ő ú ü ű and their capitals)
// in the upper half, ASCII in the lower. Qt's strings in and out of the
// table of persistence/textencoding.h.
#include <QByteArray>
#include <QString>

namespace vintaro {

// One byte per character; a character the code page lacks becomes '?'.
QByteArray toCp1250(const QString &text);

// Every byte decodes; the five bytes the code page leaves unassigned
// (0x81, 0x83, 0x88, 0x90, 0x98) come back as the control characters of the
// same value, so that decoding and encoding again gives the same bytes.
QString fromCp1250(const QByteArray &bytes);

// Whether every character of the text has a byte of its own.
bool fitsCp1250(const QString &text);

} // namespace vintaro
