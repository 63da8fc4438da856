// The main window end to end: the real form, real file dialogs driven as a
// user would drive them, and real files.
#include "convert/convertbutton.h"
#include "dialogdriver.h"
#include "testfiles.h"
#include "input/loadbutton.h"
#include "input/qvrcode.h"
#include "app/startarguments.h"
#include "app/ui_qvrtomorvane.h"
#include "windowtest.h"

#include "fulldisk.h"

#include <QtTest>
#include <QtWidgets>

#ifdef Q_OS_UNIX
#include <QLocalServer>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <memory>

namespace {

const QString invalidMessage = QStringLiteral("The file you provided is not a valid QVR file!!");

enum class Special { Fifo, Socket, CharacterDevice, Unwritable, FullDisk };

#ifdef Q_OS_UNIX
bool makeSpecial(Special kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Special::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case Special::CharacterDevice:
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    default:
        return false;
    }
}
#endif

} // namespace

Q_DECLARE_METATYPE(Special)

class tst_MainWindow : public WindowTest
{
    Q_OBJECT

private slots:

    void cancelledSaveWritesNothing();
    void failedSaveWarns_data();
    void failedSaveWarns();
    void refusesWhatIsNotAFile_data();
    void refusesWhatIsNotAFile();
    void keyPresses_data();
    void keyPresses();
    void helpAndAbout_data();
    void helpAndAbout();
    void loadFileSlotOnlyLogs();
    void conversionReport_data();
    void conversionReport();
    void drop_data();
    void drop();
    void exitEndsEventLoop();
    void closingWindowEndsEventLoop();
    void startedWithAFile_data();
    void startedWithAFile();
    void startedWithTooMuch_data();
    void startedWithTooMuch();

private:
    // Shortcuts reach the window only while it is active, which it is again
    // once a dialog has closed; offscreen nothing hands activation back.
    void activateWindow();
};

void tst_MainWindow::activateWindow()
{
    mWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
}

void tst_MainWindow::cancelledSaveWritesNothing()
{
    mUi->savePushButton->setEnabled(true);
    DialogDriver::cancelFileDialog();
    QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
    QVERIFY(QDir(mDir->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_MainWindow::failedSaveWarns_data()
{
    QTest::addColumn<Special>("target");
    QTest::addColumn<int>("codeSize");
    QTest::addColumn<int>("freeBytes");
    QTest::addColumn<QString>("reason");

    const QString full = QStringLiteral("No space left on device");
    QTest::newRow("folder nobody may write to") << Special::Unwritable << 0 << 0 << QStringLiteral("/proc");
    QTest::newRow("FIFO") << Special::Fifo << 0 << 0 << QStringLiteral("not a file");
    QTest::newRow("socket") << Special::Socket << 0 << 0 << QStringLiteral("it is a socket, not a file");
    QTest::newRow("character device") << Special::CharacterDevice << 0 << 0 << QStringLiteral("not a file");
    QTest::newRow("full disk, 22 bytes") << Special::FullDisk << 22 << 0 << full;
    QTest::newRow("full disk, 12 KB with 8 KB free") << Special::FullDisk << 12 * 1024 << 8 * 1024 << full;
    QTest::newRow("full disk, 600 KB with 64 KB free") << Special::FullDisk << 600 * 1024 << 64 * 1024 << full;
}

// A save that cannot be made says so, naming the file and the reason, and
// leaves what was there: a file byte for byte, anything else as it was.
void tst_MainWindow::failedSaveWarns()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: a folder nobody may write to, FIFOs, sockets, devices and a tmpfs");
#else
    QFETCH(Special, target);
    QFETCH(int, codeSize);
    QFETCH(int, freeBytes);
    QFETCH(QString, reason);

    const QString input = path(QStringLiteral("code.txt"));
    TestFiles::write(input, codeSize ? "107**zz" + QByteArray(codeSize - 7, 'x') : QByteArray("107**aa1.2.3"));
    loadThroughDialog(input);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);

    QString output = path(QStringLiteral("morvane.txt"));
    QLocalServer socket;
    std::unique_ptr<FullDisk> disk;
    switch (target) {
    case Special::Unwritable:
        output = QStringLiteral("/proc/morvane.txt"); // nobody, root included, can create a file there
        break;
    case Special::Socket:
        QVERIFY(socket.listen(output));
        break;
    case Special::FullDisk:
        disk = std::make_unique<FullDisk>(1 << 20);
        if (!disk->isMounted())
            QSKIP(qPrintable(disk->whyNot()));
        output = disk->filePath(QStringLiteral("morvane.txt"));
        TestFiles::write(output, "OLD CONTENT");
        disk->fill(freeBytes);
        break;
    default:
        if (!makeSpecial(target, output))
            QSKIP("making a device node needs root");
    }
    const QFileInfo before(output);

    QString warning;
    const auto readWarning = [&warning](QMessageBox *box) {
        warning = box->text();
        box->accept();
    };
    if (before.exists()) { // the dialog asks first whether to replace it
        DialogDriver::whenModal<QMessageBox>([readWarning](QMessageBox *box) {
            DialogDriver::whenModal<QMessageBox>(readWarning);
            box->button(QMessageBox::Yes)->click();
        });
    } else {
        DialogDriver::whenModal<QMessageBox>(readWarning);
    }
    DialogDriver::chooseFile(output);
    QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
    QTRY_VERIFY(!warning.isEmpty());
    QVERIFY2(warning.contains(output), qPrintable(warning));
    QVERIFY2(warning.contains(reason), qPrintable(warning));

    const QFileInfo after(output);
    QCOMPARE(after.exists(), before.exists());
    QCOMPARE(after.isFile(), before.isFile());
    if (target == Special::FullDisk) {
        QCOMPARE(TestFiles::read(output), QByteArray("OLD CONTENT"));
        QCOMPARE(disk->files(), (QStringList{"fill", "morvane.txt"}));
    }
#endif
}

void tst_MainWindow::refusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dropped");

    QTest::newRow("/dev/zero typed into the dialog") << QStringLiteral("/dev/zero") << false;
    QTest::newRow("/dev/zero dropped") << QStringLiteral("/dev/zero") << true;
    QTest::newRow("FIFO chosen in the dialog") << QStringLiteral("fifo.txt") << false;
    QTest::newRow("FIFO dropped") << QStringLiteral("fifo.txt") << true;
}

// A device or a pipe would never end, or never start: the window refuses it
// at once, as a file it cannot open, and keeps the code it has.
void tst_MainWindow::refusesWhatIsNotAFile()
{
#ifndef Q_OS_UNIX
    QSKIP("Linux only: /dev/zero and FIFOs");
#else
    QFETCH(QString, name);
    QFETCH(bool, dropped);

    const QString previous = path(QStringLiteral("previous.txt"));
    TestFiles::write(previous, "107**aa1.2.3");
    loadThroughDialog(previous);
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
    QVERIFY(makeSpecial(Special::Fifo, path(QStringLiteral("fifo.txt"))));
    const QString chosen = name.startsWith(QLatin1Char('/')) ? name : path(name);

    // Opened for reading, a FIFO with no writer, or /dev/zero read to its
    // end, would hold the window forever: that the load returns is the test.
    if (dropped)
        dropFile(chosen);
    else
        loadThroughDialog(chosen);
    QVERIFY(mUi->qvrCodeTextEdit->toPlainText().isEmpty());
    QCOMPARE(mUi->qvrCodeTextEdit->placeholderText(), invalidMessage);
    QCOMPARE(mUi->loadPathLabel->text(), previous);
    QCOMPARE(mUi->convertPushButton->mConvertedText(), QStringLiteral("105**aa1"));
    // The status bar says why.
    const QString status = mUi->statusbar->currentMessage();
    QCOMPARE(status, QFileInfo(chosen).fileName() + QStringLiteral(" could not be read: it is a device or a pipe, not a file."));
#endif
}

// Key presses in the read-only pane still send its text, but change
// nothing: after a refused load Convert stays off (it would offer the last
// file's conversion beside the message), after a valid one it stays on.
void tst_MainWindow::keyPresses_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("convertEnabled");

    const QByteArray valid = "107**aa1.2.3";
    const QByteArray refused = "108**aa1.2.3";
    for (const auto &[name, key] : {std::pair{"arrow key", int(Qt::Key_Left)}, std::pair{"typing", int(Qt::Key_X)}}) {
        QTest::addRow("nothing loaded, %s", name) << QByteArray() << false << key << false;
        QTest::addRow("after a valid load, %s", name) << valid << false << key << true;
        QTest::addRow("after a refused load, %s", name) << refused << false << key << false;
        QTest::addRow("after a cleared load, %s", name) << valid << true << key << false;
    }
}

void tst_MainWindow::keyPresses()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, cleared);
    QFETCH(int, key);
    QFETCH(bool, convertEnabled);

    if (!content.isEmpty()) {
        TestFiles::write(path(QStringLiteral("previous.txt")), "106**zz1");
        loadThroughDialog(path(QStringLiteral("previous.txt")));
        QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
        TestFiles::write(path(QStringLiteral("code.txt")), content);
        loadThroughDialog(path(QStringLiteral("code.txt")));
    }
    if (cleared)
        QTest::mouseClick(mUi->clearPushButton, Qt::LeftButton);
    const QString heldCode = mUi->convertPushButton->mText();
    QSignalSpy spy(mUi->qvrCodeTextEdit, &qvrCode::textChanged);
    const QString before = mUi->qvrCodeTextEdit->toPlainText();
    QTest::keyClick(mUi->qvrCodeTextEdit, Qt::Key(key));
    QTest::keyClick(mUi->qvrCodeTextEdit, Qt::Key(key));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toString(), before);
    QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), before);
    QCOMPARE(mUi->convertPushButton->isEnabled(), convertEnabled);
    QCOMPARE(mUi->convertPushButton->mText(), heldCode);
    if (convertEnabled) {
        QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
        QCOMPARE(mUi->morvaneCodeTextEdit->toPlainText(), QStringLiteral("105**aa1"));
    }
}

void tst_MainWindow::helpAndAbout_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("labelText");

    QTest::newRow("F1") << int(Qt::Key_F1) << QStringLiteral("Help") << QSize(400, 400)
                        << QStringLiteral("Click the \"LOAD QVR FILE\" button.");
    QTest::newRow("F3") << int(Qt::Key_F3) << QStringLiteral("About") << QSize(400, 300)
                        << QStringLiteral("QVRToMorvane\nVersion: 0.1\nThe QVRtoMorvane project\nFree software, MIT licence");
}

void tst_MainWindow::helpAndAbout()
{
    QFETCH(int, key);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(QString, labelText);

    QString seenTitle;
    QSize seenSize;
    QStringList texts;
    QStringList cutOff;
    int dialogsOpen = 0;
    DialogDriver::whenModal<QDialog>([&](QDialog *dialog) {
        seenTitle = dialog->windowTitle();
        seenSize = dialog->size();
        // Every label shows all of its text, in the font actually used,
        // inside the window.
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            texts << label->text();
            const QRect text = label->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), 0, label->text());
            const QRect shown(label->mapTo(dialog, QPoint(0, 0)), label->size());
            if (text.width() > shown.width() || text.height() > shown.height() || !dialog->rect().contains(shown))
                cutOff << QStringLiteral("%1 in %2: %3 of %4").arg(label->objectName(), QFontInfo(label->font()).family())
                              .arg(text.width()).arg(dialog->width() - shown.x());
        }
        // A second press goes to the dialog and opens nothing more.
        QTest::keyClick(dialog, Qt::Key(key));
        for (QWidget *widget : QApplication::topLevelWidgets())
            dialogsOpen += qobject_cast<QDialog *>(widget) && widget->isVisible();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(mWindow.get(), Qt::Key(key));

    QCOMPARE(seenTitle, title);
    QCOMPARE(seenSize, size);
    QVERIFY2(texts.contains(labelText), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(QStringLiteral("; "))));
    QCOMPARE(dialogsOpen, 1);
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void tst_MainWindow::loadFileSlotOnlyLogs()
{
    const QString file = path(QStringLiteral("code.txt"));
    TestFiles::write(file, "107**aa1.2.3");
    DialogDriver::chooseFile(file);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Selected file path:  \"%1\"").arg(file)));
    QVERIFY(QMetaObject::invokeMethod(mUi->loadPushButton, "loadFile"));
    QVERIFY(mUi->qvrCodeTextEdit->toPlainText().isEmpty());
    QVERIFY(mUi->convertPushButton->mText().isNull());
}

void tst_MainWindow::conversionReport_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("row");            // chosen in the list, from the keyboard
    QTest::addColumn<QString>("inCode");      // what is then marked in each code
    QTest::addColumn<QString>("inConversion");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("legend");

    const QByteArray example = TestFiles::read(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/example-code.txt"));
    const QString everyFate = QStringLiteral("copied</span>: 3 (plain)");
    QTest::newRow("a dropped segment") << example << 2 << QStringLiteral("cd1") << QString()
                                       << QStringLiteral("#5 was dropped: nothing of it is in the Morvane code.") << everyFate;
    QTest::newRow("a renumbered segment") << example << 8 << QStringLiteral("s075.0.0.0.0.0.0.0.0.0.0.2.7.8.9")
                                          << QStringLiteral("s005.0.0.0.0.0.0.0.0.0.0.1") << QString() << everyFate;
    QByteArray long100(100, 'x');
    long100.replace(0, 2, "cd");
    QTest::newRow("beyond the first 64 KB") << "107**" + QByteArrayList(1000, long100).join('_') << 999 << QString()
                                            << QString() << QStringLiteral("#1000 stands beyond the part of the code shown here.")
                                            << QStringLiteral("dropped</span>: 1000 (struck through)");
}

// "Conversion Details" (the last entry of the Edit menu, from the
// keyboard) shows both codes marked, a legend and the list: a row chosen
// marks its segment in both codes or says why it cannot, and a marked
// segment gives its reason where the pointer rests.
void tst_MainWindow::conversionReport()
{
    QFETCH(QByteArray, code);
    QFETCH(int, row);
    QFETCH(QString, inCode);
    QFETCH(QString, inConversion);
    QFETCH(QString, note);
    QFETCH(QString, legend);

    TestFiles::write(path(QStringLiteral("code.txt")), code);
    loadThroughDialog(path(QStringLiteral("code.txt")));
    QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
    QCOMPARE(mUi->menuEdit->actions().last(), mUi->actionConversionDetails);

    QStringList seen;
    DialogDriver::whenModal<QDialog>([&](QDialog *dialog) {
        auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("segmentTree"));
        auto *codePane = dialog->findChild<QTextEdit *>(QStringLiteral("codeTextEdit"));
        auto *conversionPane = dialog->findChild<QTextEdit *>(QStringLiteral("conversionTextEdit"));
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        const auto chosen = [](QTextEdit *pane) {
            return pane->extraSelections().isEmpty() ? QString() : pane->extraSelections().first().cursor.selectedText();
        };
        seen << dialog->findChild<QLabel *>(QStringLiteral("legendLabel"))->text() << chosen(codePane)
             << chosen(conversionPane) << dialog->findChild<QLabel *>(QStringLiteral("noteLabel"))->text();
        // The reason, where the pointer rests on the chosen segment.
        if (!codePane->extraSelections().isEmpty()) {
            QTextCursor at = codePane->extraSelections().first().cursor;
            at.setPosition(at.selectionStart() + 1);
            const QPoint point = codePane->cursorRect(at).center();
            QHelpEvent help(QEvent::ToolTip, point, codePane->viewport()->mapToGlobal(point));
            QApplication::sendEvent(codePane->viewport(), &help);
            seen << QToolTip::text();
            seen << QString::number(at.charFormat().fontStrikeOut()) + QString::number(at.charFormat().underlineStyle());
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    mUi->menuEdit->popup(mUi->menuBar->mapToGlobal(QPoint(0, 0)));
    QTest::keyClick(mUi->menuEdit, Qt::Key_Up);
    QTest::keyClick(mUi->menuEdit, Qt::Key_Return);
    QTRY_VERIFY(!seen.isEmpty());
    QVERIFY2(seen.at(0).contains(legend), qPrintable(seen.at(0)));
    QCOMPARE(seen.mid(1, 3), (QStringList{inCode, inConversion, note}));
    if (!inCode.isEmpty()) {
        QVERIFY2(seen.at(4).startsWith(QLatin1Char('#')) && seen.at(4).contains(inCode.left(40)), qPrintable(seen.at(4)));
        // Struck through when dropped, dash-underlined when renumbered.
        QCOMPARE(seen.at(5), inConversion.isEmpty() ? QStringLiteral("10") : QStringLiteral("02"));
    }
}

void tst_MainWindow::drop_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("batch"); // asks where several codes go (tst_batches goes on)

    QTest::newRow("one file") << QStringList{"code.txt"} << QString() << true << false;
    QTest::newRow("several files") << QStringList{"code.txt", "other.txt"} << QString() << false << true;
    QTest::newRow("folder") << QStringList{"folder"} << QString() << false << true;
    QTest::newRow("web address") << QStringList{"https://example.org/code.txt"} << QString() << false << false;
    QTest::newRow("plain text") << QStringList() << QStringLiteral("107**aa1.2.3") << false << false;
}

// Drops land on the input pane, where a user aims; the window takes one file
// as its code, and several or a folder as codes to convert at once, which
// leaves its code as it is.
void tst_MainWindow::drop()
{
    QFETCH(QStringList, urls);
    QFETCH(QString, plainText);
    QFETCH(bool, accepted);
    QFETCH(bool, batch);

    TestFiles::write(path(QStringLiteral("code.txt")), "107**aa1.2.3");
    TestFiles::write(path(QStringLiteral("other.txt")), "107**zz");
    QDir(mDir->path()).mkdir(QStringLiteral("folder"));
    TestFiles::write(path(QStringLiteral("folder/inside.txt")), "107**zz");
    bool asked = false;
    if (batch)
        DialogDriver::whenModal<QFileDialog>([&](QFileDialog *dialog) {
            asked = true;
            dialog->reject();
        });
    QMimeData data;
    QList<QUrl> list;
    for (const QString &url : urls)
        list << (url.contains(QLatin1Char(':')) ? QUrl(url) : QUrl::fromLocalFile(path(url)));
    if (!list.isEmpty())
        data.setUrls(list);
    if (!plainText.isEmpty())
        data.setText(plainText);

    QCOMPARE(WindowTest::drop(data), accepted || batch);
    QCOMPARE(asked, batch);

    QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), accepted ? QStringLiteral("107**aa1.2.3") : QString());
    QCOMPARE(mUi->loadPathLabel->text(), accepted ? path(QStringLiteral("code.txt")) : QString());
    QCOMPARE(mUi->convertPushButton->isEnabled(), accepted);
}

void tst_MainWindow::exitEndsEventLoop()
{
    QTimer::singleShot(0, mUi->exitPushButton, [this] { QTest::mouseClick(mUi->exitPushButton, Qt::LeftButton); });
    QCOMPARE(QApplication::exec(), 0);
}

void tst_MainWindow::closingWindowEndsEventLoop()
{
    QTimer::singleShot(0, mWindow.get(), [this] { mWindow->close(); });
    QCOMPARE(QApplication::exec(), 0);
}

// "qvrtomorvane hero.txt", as a file manager's "Open with" starts it: the
// window opens with the file loaded exactly as the load dialog loads it, a
// name typed relative to the current folder found there.
void tst_MainWindow::startedWithAFile_data()
{
    QTest::addColumn<QString>("name");     // as given, in the test's folder
    QTest::addColumn<QByteArray>("content"); // nothing: no such file
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("message");

    QTest::newRow("a code") << QStringLiteral("hero.txt") << QByteArray("107**aa1.2.3") << QStringLiteral("107**aa1.2.3")
                            << QStringLiteral("Loaded hero.txt.");
    QTest::newRow("a name beyond ASCII") << QString::fromUtf8("h\xc3\xa9ros-\xe6\x97\xa5\xe6\x9c\xac.txt")
                                         << QByteArray("106**zz1") << QStringLiteral("106**zz1")
                                         << QString::fromUtf8("Loaded h\xc3\xa9ros-\xe6\x97\xa5\xe6\x9c\xac.txt.");
    QTest::newRow("a relative name") << QStringLiteral("./sub/../hero.txt") << QByteArray("107**aa1.2.3")
                                     << QStringLiteral("107**aa1.2.3") << QStringLiteral("Loaded hero.txt.");
    QTest::newRow("a refused code") << QStringLiteral("old.txt") << QByteArray("108**aa1") << invalidMessage
                                    << QStringLiteral("old.txt is not a QVR code: it does not begin with 106 or 107.");
    QTest::newRow("a missing file") << QStringLiteral("gone.txt") << QByteArray() << QString()
                                    << QStringLiteral("gone.txt could not be read: ");
}

void tst_MainWindow::startedWithAFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, upper);
    QFETCH(QString, message);

    QDir(mDir->path()).mkdir(QStringLiteral("sub"));
    const QString file = QDir::cleanPath(path(name));
    if (!content.isEmpty())
        TestFiles::write(file, content);
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(mDir->path()));
    const StartArguments start({QStringLiteral("qvrtomorvane"), name});
    QDir::setCurrent(before);

    QVERIFY(start.usageError().isEmpty());
    QCOMPARE(QDir::cleanPath(*start.file()), file);
    start.open(*mUi);
    QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), upper);
    const bool loaded = !content.isEmpty() && upper == QString::fromUtf8(content);
    QCOMPARE(mUi->loadPathLabel->text(), loaded ? *start.file() : QString());
    QVERIFY2(mUi->statusbar->currentMessage().startsWith(message), qPrintable(mUi->statusbar->currentMessage()));
    QCOMPARE(mUi->convertPushButton->isEnabled(), loaded);
}

// Two files, or an option the window does not have, are a usage error:
// said on the standard error, exit status 2, and no window.
void tst_MainWindow::startedWithTooMuch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("said");
    QTest::newRow("two files") << QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}
                               << QByteArray("qvrtomorvane: only one file can be opened\nUsage: qvrtomorvane [FILE]\n");
    QTest::newRow("an option") << QStringList{QStringLiteral("--fast")}
                               << QByteArray("qvrtomorvane: Unknown option 'fast'.\nUsage: qvrtomorvane [FILE]\n");
}

void tst_MainWindow::startedWithTooMuch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, said);
    std::vector<std::string> command{TestFiles::window(), "-platform", "offscreen"};
    for (const QString &argument : arguments)
        command.push_back(argument.toStdString());
    const TestFiles::Run run = TestFiles::run(command, {}, {}, 60);
    QCOMPARE(run.exitCode, 2);
#ifndef Q_OS_WIN // a window program under Windows has no standard error to write to
    QVERIFY2(run.err.contains(said), run.err);
#else
    Q_UNUSED(said);
#endif
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
