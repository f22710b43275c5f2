#pragma once
// Answers the main window's dialogs as the test says and records every call.
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "widgets/platform.h"

namespace vintaro::test {

struct Shown
{
    QString text;
    Platform::Icon icon;
};

struct Started
{
    QString program;
    QStringList arguments;
    bool restartFlag = false; // VINTARO_RESTART was set for the new program
};

class FakePlatform : public Platform
{
public:
    std::vector<Shown> messages;
    std::vector<QString> questions;
    std::vector<QString> prompts;
    std::vector<Started> started;
    int exits = 0;

    std::deque<bool> confirmAnswers;   // empty: answer OK
    std::deque<QString> textAnswers;   // empty: answer Cancel (empty text)
    std::vector<QStringList> choices;  // title, prompt and the items of each choice asked
    std::deque<int> chooseAnswers;     // empty: answer Cancel (-1)
    std::deque<QString> fileAnswers;   // empty: answer Cancel (empty text)
    std::vector<QString> fileDialogs;  // titles of the file dialogs shown
    std::vector<QString> proposedPaths; // where each save dialog started
    std::vector<QString> fileFilters;   // the filters each file dialog offered
    std::deque<QString> filterAnswers;  // the save dialog's chosen filter; empty: the one shown first
    bool startSucceeds = true;

    void message(QWidget *, const QString &text, Icon icon) override { messages.push_back({text, icon}); }
    bool confirm(QWidget *, const QString &text) override
    {
        questions.push_back(text);
        if (confirmAnswers.empty())
            return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    QString askText(QWidget *, const QString &title, const QString &prompt) override
    {
        prompts.push_back(title + QLatin1Char('|') + prompt);
        if (textAnswers.empty())
            return {};
        QString answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }
    int choose(QWidget *, const QString &title, const QString &prompt, const QStringList &items,
               int current) override
    {
        choices.push_back(QStringList{title, prompt, QString::number(current)} + items);
        if (chooseAnswers.empty())
            return -1;
        const int answer = chooseAnswers.front();
        chooseAnswers.pop_front();
        return answer;
    }
    QString openFileName(QWidget *, const QString &title, const QString &filter) override
    {
        fileFilters.push_back(filter);
        return fileAnswer(title);
    }
    QString saveFileName(QWidget *, const QString &title, const QString &filter, const QString &proposedPath,
                         QString *selectedFilter) override
    {
        fileFilters.push_back(filter);
        proposedPaths.push_back(proposedPath);
        if (selectedFilter && !filterAnswers.empty()) {
            *selectedFilter = filterAnswers.front();
            filterAnswers.pop_front();
        }
        return fileAnswer(title);
    }
    QString fileAnswer(const QString &title)
    {
        fileDialogs.push_back(title);
        if (fileAnswers.empty())
            return {};
        QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    bool startProcess(const QString &program, const QStringList &arguments) override
    {
        started.push_back({program, arguments, qEnvironmentVariableIsSet("VINTARO_RESTART")});
        return startSucceeds;
    }
    void exitProgram() override { ++exits; }
};

} // namespace vintaro::test
