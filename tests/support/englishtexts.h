#pragma once
// The program's English texts for the lifetime of one object, in a test
// process without an application object of its own: the texts and numbers
// are Hungarian again afterwards.
#include <QCoreApplication>

#include <optional>

#include "core/textformat.h"
#include "translations/language.h"

namespace vintaro::test {

class EnglishTexts
{
public:
    EnglishTexts()
    {
        m_app.emplace(m_argc, m_argv);
        m_installed = installLanguage(*m_app, Language::English);
    }
    ~EnglishTexts()
    {
        m_app.reset(); // its translator goes with it
        setTextLanguage(TextLanguage::Hungarian);
    }
    EnglishTexts(const EnglishTexts &) = delete;
    EnglishTexts &operator=(const EnglishTexts &) = delete;

    bool installed() const { return m_installed; }

private:
    int m_argc = 1;
    char m_name[6] = "tests";
    char *m_argv[2] = {m_name, nullptr};
    std::optional<QCoreApplication> m_app;
    bool m_installed = false;
};

// Whether `text` holds a letter only Hungarian writes (á, é, ő, ű, ...).
inline bool hasHungarianLetter(const QString &text)
{
    static const QString accented = QString::fromUtf8("áéíóöőúüűÁÉÍÓÖŐÚÜŰ");
    for (const QChar c : text)
        if (accented.contains(c))
            return true;
    return false;
}

} // namespace vintaro::test
