#include "tests/support/windowfixture.h"

#include "tests/support/files.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace vintaro::test {

std::unique_ptr<QTemporaryDir> makeProgramFolder()
{
    auto dir = std::make_unique<QTemporaryDir>();
    const QDir data(QStringLiteral(VINTARO_DATA_DIR));
    for (const QString &name : data.entryList(QDir::Files)) {
        if (name == QLatin1String("CMakeLists.txt"))
            continue;
        QFile::copy(data.filePath(name), dir->filePath(name));
    }
#ifdef VINTARO_MANUAL_RTF
    // The manual is made by the build, not kept in data/.
    QFile::copy(QStringLiteral(VINTARO_MANUAL_RTF), dir->filePath(QStringLiteral("Vintaro.doc")));
#endif
    return dir;
}

QStringList listLines(QAbstractItemView *view)
{
    QStringList out;
    if (!view || !view->model())
        return out;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data().toString();
    return out;
}

QDialog *openDialog(const char *objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible())
            return qobject_cast<QDialog *>(w);
    return nullptr;
}

int topRow(QAbstractItemView *view)
{
    return view->indexAt(QPoint(2, 2)).row();
}

QList<QWidget *> openWindows(const char *objectName)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(objectName) && w->isVisible())
            found << w;
    return found;
}

QWidget *WindowTest::openWindow(const QString &actionName, const char *objectName) const
{
    trigger(actionName);
    const QList<QWidget *> windows = openWindows(objectName);
    EXPECT_EQ(windows.size(), 1) << objectName;
    return windows.value(0);
}

void WindowTest::SetUp()
{
    m_dir = makeProgramFolder();
    ASSERT_TRUE(m_dir->isValid());
    recreateWindow();
}

void WindowTest::TearDown()
{
    window.reset();
    m_dir.reset();
}

void WindowTest::recreateWindow()
{
    window.reset();
    auto fake = std::make_unique<FakePlatform>();
    platform = fake.get();
    window = std::make_unique<Form1>(m_dir->path(), std::move(fake));
    window->show();
}

void WindowTest::click(const QString &name) const
{
    QAbstractButton *b = button(name);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible() || name == QLatin1String("Command13")) << name.toStdString() << " is hidden";
    QTest::mouseClick(b, Qt::LeftButton);
}

QString WindowTest::text(const QString &labelName) const
{
    auto *l = child<QLabel>(labelName);
    return l ? l->text() : QString();
}

void WindowTest::enter(std::initializer_list<int> numbers) const
{
    for (int n : numbers)
        click(QStringLiteral("Command3D1(%1)").arg(n));
}

QImage WindowTest::onScreen(QWidget *control) const
{
    QCoreApplication::processEvents();
    QPaintDevice *device = window->backingStore()->paintDevice();
    EXPECT_EQ(device->devType(), int(QInternal::Image));
    if (device->devType() != int(QInternal::Image))
        return {};
    const QImage &screen = *static_cast<QImage *>(device);
    const qreal ratio = screen.devicePixelRatio();
    const QRect area(control->mapTo(window.get(), QPoint()) * ratio, control->size() * ratio);
    return screen.copy(area).convertToFormat(QImage::Format_RGB32);
}

QImage WindowTest::drawnAfresh(QWidget *control) { return control->grab().toImage().convertToFormat(QImage::Format_RGB32); }

void WindowTest::trigger(const QString &actionName) const
{
    auto *action = window->findChild<QAction *>(actionName);
    ASSERT_NE(action, nullptr) << actionName.toStdString();
    action->trigger();
}

QByteArray WindowTest::bytes(const QString &name) const { return bytesOf(file(name)); }

void WindowTest::put(const QString &name, const QByteArray &content) const
{
    ASSERT_TRUE(putBytes(file(name), content));
}

void WindowTest::setRoomBox(const QString &room) const { child<QLineEdit>(QStringLiteral("Text1"))->setText(room); }

bool WindowTest::exitAsks()
{
    platform->confirmAnswers.push_back(false);
    const size_t asked = platform->questions.size();
    click(QStringLiteral("Command3D2"));
    const bool asks = platform->questions.size() > asked;
    if (!asks)
        platform->confirmAnswers.clear();
    return asks;
}

} // namespace vintaro::test
