#include "windowtest.h"

#include "app/windowlanguage.h"
#include "dialogdriver.h"
#include "input/loadbutton.h"
#include "input/qvrcode.h"

#include <QApplication>
#include <QDropEvent>
#include <QTextEdit>
#include <QUrl>
#include <QTest>

void WindowTest::initTestCase()
{
    // Qt's own dialogs, which the tests can reach and fill in; the words
    // of the language the tests are run in, English unless they say.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    WindowLanguage::install();
}

void WindowTest::init()
{
    startAfresh();
}

void WindowTest::startAfresh()
{
    cleanup();
    mDir = std::make_unique<QTemporaryDir>();
    mWindow = std::make_unique<QMainWindow>();
    mUi = std::make_unique<Ui::QVRtoMorvane>();
    mUi->setupUi(mWindow.get());
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWindow.get()));
}

void WindowTest::cleanup()
{
    mUi.reset();
    mWindow.reset();
    mDir.reset();
}

void WindowTest::loadThroughDialog(const QString &path)
{
    DialogDriver::chooseFile(path);
    QTest::mouseClick(mUi->loadPushButton, Qt::LeftButton);
}

bool WindowTest::drop(QMimeData &data)
{
    QWidget *target = mUi->qvrCodeTextEdit->viewport();
    const QPoint point = target->rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return enter.isAccepted();
}

void WindowTest::dropFile(const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    drop(data);
}
