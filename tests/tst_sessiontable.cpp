// The window's face of tests/data/session-sequences.json: every sequence run
// through the real window, its dialogs, drops, clipboard and files, with
// the whole state checked after each step. It also runs 200 generated
// sequences and writes what the window did at each step to the file that
// web/tests/session.test.mjs replays on the page, so that the two faces
// must agree step by step.
#include "app/ui_qvrtomorvane.h"
#include "convert/convertbutton.h"
#include "dialogdriver.h"
#include "input/loadbutton.h"
#include "input/qvrcode.h"
#include "sessiontable.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QLocalServer>
#include <QtTest>
#include <QtWidgets>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <random>

namespace {

using State = SessionTable::State;

QByteArray bytes(const std::string &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QJsonValue jsonOf(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

const SessionTable &table()
{
    static const SessionTable table(QVRTOMORVANE_SOURCE_DIR "/tests/data/session-sequences.json");
    return table;
}

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

// The steps the generated sequences are made of, and the files they use.
const std::vector<std::string> generatedFiles = {"a.txt", "b.txt", "refused.txt", "crlf.txt", "utf16.txt", "empty.txt",
                                                  "example.txt", "junk.txt"};
const std::vector<std::string> pastedFiles = {"a.txt", "b.txt", "refused.txt", "crlf.txt", "empty.txt", "example.txt"};

std::vector<std::string> randomStep(std::mt19937 &random)
{
    const auto pick = [&random](const std::vector<std::string> &list) { return list.at(random() % list.size()); };
    switch (random() % 14) {
    case 0: case 1: case 2: return {"load", pick(generatedFiles)};
    case 3: return {"drop", pick(generatedFiles)};
    case 4: return {"paste", pick(pastedFiles)};
    case 5: return {"unreadable"};
    case 6: return {"cancel"};
    case 7: case 8: case 9: return {"convert"};
    case 10: return {"save"};
    case 11: return {"copy"};
    case 12: return {"details"};
    default: return {"clear"};
    }
}

} // namespace

class tst_SessionTable : public WindowTest
{
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void generatedSequences();

private:
    void writeFiles();
    // Does one step as a user would and says what it gave once (saved,
    // copied, details-...).
    State perform(const std::vector<std::string> &words);
    State observe() const;
    void activateWindow();

    std::unique_ptr<QLocalServer> mUnreadable;
};

void tst_SessionTable::writeFiles()
{
    for (const auto &[name, content] : table().files)
        TestFiles::write(path(QString::fromStdString(name)), bytes(content));
    // A socket is listed like a file but cannot be read.
    mUnreadable = std::make_unique<QLocalServer>();
    QVERIFY(mUnreadable->listen(path(QStringLiteral("unreadable.txt"))));
}

void tst_SessionTable::activateWindow()
{
    mWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
}

State tst_SessionTable::observe() const
{
    const QString source = mUi->loadPathLabel->text();
    return {
        {"upper", mUi->qvrCodeTextEdit->toPlainText().toStdString()},
        {"placeholder", mUi->qvrCodeTextEdit->placeholderText().toStdString()},
        {"path", (source.startsWith(QLatin1Char('/')) ? QFileInfo(source).fileName() : source).toStdString()},
        {"lower", mUi->morvaneCodeTextEdit->toPlainText().toStdString()},
        {"summary", mUi->conversionSummaryLabel->text().toStdString()},
        {"message", SessionTable::comparableMessage(mUi->statusbar->currentMessage().toStdString())},
        {"convert", onOff(mUi->convertPushButton->isEnabled())},
        {"save", onOff(mUi->savePushButton->isEnabled())},
        {"copy", onOff(mUi->actionCopyConvertedCode->isEnabled())},
        {"details", onOff(mUi->actionConversionDetails->isEnabled())},
    };
}

State tst_SessionTable::perform(const std::vector<std::string> &words)
{
    const std::string &step = words.front();
    const auto file = [&](int i) { return path(QString::fromStdString(words.at(i))); };
    State once;
    if (step == "load") {
        loadThroughDialog(file(1));
    } else if (step == "drop") {
        dropFile(file(1));
    } else if (step == "drops") {
        dropFile(file(1));
        dropFile(file(2));
    } else if (step == "paste") {
        QGuiApplication::clipboard()->setText(QString::fromStdString(table().files.at(words.at(1))));
        activateWindow();
        QTest::keyClick(mWindow.get(), Qt::Key_V, Qt::ControlModifier);
    } else if (step == "unreadable") {
        loadThroughDialog(path(QStringLiteral("unreadable.txt")));
    } else if (step == "cancel") {
        DialogDriver::cancelFileDialog();
        QTest::mouseClick(mUi->loadPushButton, Qt::LeftButton);
    } else if (step == "convert") {
        QTest::mouseClick(mUi->convertPushButton, Qt::LeftButton);
    } else if (step == "save" && mUi->savePushButton->isEnabled()) {
        // Under the name the page downloads it as, which the session says.
        const QString saved = path(QString::fromStdString(mUi->convertPushButton->session().saveName()));
        QFile::remove(saved);
        DialogDriver::chooseFile(saved);
        QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
        once["saved"] = TestFiles::read(saved).toStdString();
    } else if (step == "save") {
        QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
        once.insert_or_assign("saved", std::string(1, '-'));
    } else if (step == "copy") {
        QGuiApplication::clipboard()->setText(QStringLiteral("-"));
        activateWindow();
        QTest::keyClick(mWindow.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        once["copied"] = QGuiApplication::clipboard()->text().toStdString();
    } else if (step == "details" && mUi->actionConversionDetails->isEnabled()) {
        DialogDriver::whenModal<QDialog>([&once](QDialog *dialog) {
            // A row of the list reads as the report's line.
            const QTreeWidget *list = dialog->findChild<QTreeWidget *>(QStringLiteral("segmentTree"));
            QStringList lines;
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *row = list->topLevelItem(i);
                lines << (row->text(0).isEmpty() ? row->text(1)
                                                 : QStringLiteral("%1 %2: %3: %4").arg(row->text(0), row->text(1), row->text(2), row->text(3)));
            }
            if (lines.isEmpty())
                lines << dialog->findChild<QLabel *>(QStringLiteral("noteLabel"))->text();
            once["details-lines"] = std::to_string(lines.size());
            once["details-first"] = lines.first().toStdString();
            dialog->reject();
        });
        mUi->actionConversionDetails->trigger();
    } else if (step == "clear") {
        QTest::mouseClick(mUi->clearPushButton, Qt::LeftButton);
    } else if (step != "details") {
        qFatal("unknown step %s", step.c_str());
    }
    return once;
}

void tst_SessionTable::sequences_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < table().sequences.size(); ++i)
        QTest::newRow(table().sequences.at(i).title.c_str()) << int(i);
}

void tst_SessionTable::sequences()
{
    QFETCH(int, index);
    writeFiles();
    State expected = SessionTable::startState();
    for (const SessionTable::Step &step : table().sequences.at(std::size_t(index)).steps) {
        State seen = perform(step.words);
        seen.merge(observe());
        for (const auto &[key, value] : step.expected)
            expected[key] = value;
        expected.erase("saved-as"); // the page's download name; the window asks for one
        const std::string difference = SessionTable::difference(expected, seen);
        QVERIFY2(difference.empty(),
                 qPrintable(QString::fromStdString(step.words.front()) + QStringLiteral(": ") + QString::fromStdString(difference)));
        std::erase_if(expected, [](const auto &entry) { return !SessionTable::isPersistent(entry.first); });
    }
}

// Sequences no one wrote by hand, in the table's form with what changed
// after every step, for the page to replay.
void tst_SessionTable::generatedSequences()
{
    QJsonObject files;
    for (const auto &[name, content] : table().files)
        if (std::find(generatedFiles.begin(), generatedFiles.end(), name) != generatedFiles.end())
            files.insert(QString::fromStdString(name), jsonOf(content));
    QJsonArray sequences;
    std::mt19937 random(20261207);
    for (int sequence = 1; sequence <= 200; ++sequence) {
        startAfresh();
        writeFiles();
        QJsonArray steps;
        State before = observe();
        for (int i = 4 + int(random() % 9); i > 0; --i) {
            const std::vector<std::string> words = randomStep(random);
            State changes = perform(words);
            const State after = observe();
            for (const auto &[key, value] : after)
                if (before[key] != value)
                    changes[key] = value;
            QJsonObject json;
            for (const auto &[key, value] : changes)
                json.insert(QString::fromStdString(key), jsonOf(value));
            QStringList joined;
            for (const std::string &word : words)
                joined << QString::fromStdString(word);
            steps.append(QJsonArray{joined.join(QLatin1Char(' ')), json});
            before = after;
        }
        sequences.append(QJsonObject{{QStringLiteral("title"), QStringLiteral("generated %1").arg(sequence)},
                                     {QStringLiteral("steps"), steps}});
    }
    const QString output = qEnvironmentVariable("QVRTOMORVANE_SESSION_TRACES");
    if (!output.isEmpty())
        TestFiles::write(output, QJsonDocument(QJsonObject{{QStringLiteral("files"), files},
                                                           {QStringLiteral("sequences"), sequences}}).toJson());
}

QTEST_MAIN(tst_SessionTable)
#include "tst_sessiontable.moc"
