#pragma once
// The number boxes of the systems windows write their numbers as the
// chosen language does: "1 000,50" in Hungarian, "1,000.50" in English.
#include <QLocale>

#include "core/textformat.h"

namespace vintaro {

inline QLocale boxLocale()
{
    return textLanguage() == TextLanguage::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                   : QLocale(QLocale::Hungarian, QLocale::Hungary);
}

} // namespace vintaro
