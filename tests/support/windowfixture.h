#pragma once
// Builds the real main window over a temporary program folder and drives it
// the way a person does: clicking buttons by name and reading texts.
#include <QAbstractButton>
#include <QLabel>
#include <QAbstractItemView>
#include <QDialog>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "tests/support/fakeplatform.h"
#include "mainwindow/form1.h"

namespace vintaro::test {

// Copies the program's data files into a fresh temporary folder.
std::unique_ptr<QTemporaryDir> makeProgramFolder();

// Every display line of a list view, in order.
QStringList listLines(QAbstractItemView *view);
// The visible modal window of that name, if one is open.
QDialog *openDialog(const char *objectName);
// Index of the line at the top of the visible part of a list view.
int topRow(QAbstractItemView *view);
// Every visible top-level window of that name.
QList<QWidget *> openWindows(const char *objectName);
// A control of a second window, by name.
template <typename T = QWidget> T *control(QWidget *window, const char *name)
{
    T *w = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates Form1 anew over the same folder (as a restart would).
    void recreateWindow();

    QString folder() const { return m_dir->path(); }
    QString file(const QString &name) const { return m_dir->path() + QLatin1Char('/') + name; }

    template <typename T = QWidget> T *child(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
        return w;
    }
    QAbstractButton *button(const QString &name) const { return child<QAbstractButton>(name); }
    void click(const QString &name) const;
    QString text(const QString &labelName) const; // a QLabel's text
    QStringList lines(const QString &listName) const { return listLines(child<QAbstractItemView>(listName)); }
    void enter(std::initializer_list<int> numbers) const;
    void trigger(const QString &actionName) const;
    // What the screen holds of a control of the main window once the
    // pending repaints are done, and the control drawn afresh as a whole:
    // the two differ where a change did not repaint all it touched.
    QImage onScreen(QWidget *control) const;
    static QImage drawnAfresh(QWidget *control);
    // Chooses the menu item and returns the one window of that name it shows.
    QWidget *openWindow(const QString &actionName, const char *objectName) const;
    // A file of the program folder: its bytes ("<missing>" when there is
    // none), and writing it.
    QByteArray bytes(const QString &name) const;
    void put(const QString &name, const QByteArray &content) const;
    void setRoomBox(const QString &room) const;
    // Whether "Vége" asks the exit question now (the spins are unsaved); the
    // question is answered Cancel, so the window stays.
    bool exitAsks();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> window;
    FakePlatform *platform = nullptr;
};

} // namespace vintaro::test
