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

using State = QMap<QByteArray, QByteArray>;

const QByteArrayList controls = {"convert", "save", "copy", "details"};
const QByteArrayList texts = {"upper", "placeholder", "path", "lower", "summary"};

State startState()
{
    State state;
    for (const QByteArray &key : texts)
        state[key] = QByteArray();
    state["placeholder"] = "QVR Code will be displayed here...";
    for (const QByteArray &key : controls)
        state[key] = "off";
    return state;
}

struct Step
{
    QByteArrayList words; // the step and its files
    State expected;       // what it changes, and what it gives once
};

struct Sequence
{
    QByteArray title;
    QList<Step> steps;
};

struct Table
{
    QList<QPair<QByteArray, QByteArray>> files;
    QList<Sequence> sequences;
};

// Texts are bytes, a character each; a list joins its pieces, [TEXT, COUNT]
// repeating one.
QByteArray bytesOf(const QJsonValue &value)
{
    if (value.isString())
        return value.toString().toLatin1();
    if (value.isArray() && value.toArray().at(1).isDouble())
        return bytesOf(value.toArray().at(0)).repeated(value.toArray().at(1).toInt());
    QByteArray joined;
    for (const QJsonValue &piece : value.toArray())
        joined += bytesOf(piece);
    return joined;
}

QJsonValue jsonOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

Table readTable(const QString &path)
{
    const QJsonObject document = QJsonDocument::fromJson(TestFiles::read(path)).object();
    Table table;
    const QJsonObject files = document.value(QLatin1String("files")).toObject();
    for (auto it = files.begin(); it != files.end(); ++it)
        table.files.append({it.key().toLatin1(), bytesOf(it.value())});
    for (const QJsonValue &sequence : document.value(QLatin1String("sequences")).toArray()) {
        table.sequences.append({sequence[QLatin1String("title")].toString().toUtf8(), {}});
        for (const QJsonValue &step : sequence[QLatin1String("steps")].toArray()) {
            const QJsonObject changes = step[1].toObject();
            State expected;
            for (auto it = changes.begin(); it != changes.end(); ++it)
                expected[it.key().toLatin1()] = bytesOf(it.value());
            table.sequences.last().steps.append({step[0].toString().toLatin1().split(' '), expected});
        }
    }
    return table;
}

const QString tablePath = QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/session-sequences.json");

// A pane shows the start of a long code.
QByteArray shownPart(const QByteArray &key, const QByteArray &value)
{
    if (key != "upper" && key != "lower")
        return value;
    const std::string_view shown = CodeText::preview(std::string_view(value.constData(), std::size_t(value.size())));
    return QByteArray(shown.data(), qsizetype(shown.size()));
}

QByteArray onOff(bool on)
{
    return on ? "on" : "off";
}

// The steps the generated sequences are made of, and the files they use.
const QByteArrayList generatedFiles = {"a.txt", "b.txt", "refused.txt", "crlf.txt", "utf16.txt", "empty.txt",
                                       "example.txt", "junk.txt"};
const QByteArrayList pastedFiles = {"a.txt", "b.txt", "refused.txt", "crlf.txt", "empty.txt", "example.txt"};

QByteArrayList randomStep(std::mt19937 &random)
{
    const auto pick = [&random](const QByteArrayList &list) {
        return list.at(qsizetype(random() % std::uint32_t(list.size())));
    };
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
    void writeFiles(const Table &table);
    // Does one step as a user would and says what it gave once (saved,
    // copied, details-...).
    State perform(const QByteArrayList &words, const Table &table);
    State observe() const;
    void activateWindow();

    std::unique_ptr<QLocalServer> mUnreadable;
};

void tst_SessionTable::writeFiles(const Table &table)
{
    for (const auto &[name, content] : table.files)
        TestFiles::write(path(QString::fromUtf8(name)), content);
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
    State state;
    state["upper"] = mUi->qvrCodeTextEdit->toPlainText().toUtf8();
    state["placeholder"] = mUi->qvrCodeTextEdit->placeholderText().toUtf8();
    const QString source = mUi->loadPathLabel->text();
    state["path"] = (source.startsWith(QLatin1Char('/')) ? QFileInfo(source).fileName() : source).toUtf8();
    state["lower"] = mUi->morvaneCodeTextEdit->toPlainText().toUtf8();
    state["summary"] = mUi->conversionSummaryLabel->text().toUtf8();
    state["convert"] = onOff(mUi->convertPushButton->isEnabled());
    state["save"] = onOff(mUi->savePushButton->isEnabled());
    state["copy"] = onOff(mUi->actionCopyConvertedCode->isEnabled());
    state["details"] = onOff(mUi->actionConversionDetails->isEnabled());
    return state;
}

State tst_SessionTable::perform(const QByteArrayList &words, const Table &table)
{
    const QByteArray &step = words.first();
    const auto file = [&](int i) { return path(QString::fromUtf8(words.at(i))); };
    State once;
    if (step == "load") {
        loadThroughDialog(file(1));
    } else if (step == "drop") {
        dropFile(file(1));
    } else if (step == "drops") {
        dropFile(file(1));
        dropFile(file(2));
    } else if (step == "paste") {
        for (const auto &[name, content] : table.files)
            if (name == words.at(1))
                QGuiApplication::clipboard()->setText(QString::fromUtf8(content));
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
        const QString saved = path(QStringLiteral("saved.txt"));
        QFile::remove(saved);
        DialogDriver::chooseFile(saved);
        QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
        once["saved"] = TestFiles::read(saved);
    } else if (step == "save") {
        QTest::mouseClick(mUi->savePushButton, Qt::LeftButton);
        once["saved"] = "-";
    } else if (step == "copy") {
        QGuiApplication::clipboard()->setText(QStringLiteral("-"));
        activateWindow();
        QTest::keyClick(mWindow.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        once["copied"] = QGuiApplication::clipboard()->text().toUtf8();
    } else if (step == "details" && mUi->actionConversionDetails->isEnabled()) {
        DialogDriver::whenModal<QDialog>([&once](QDialog *dialog) {
            const QByteArray details = dialog->findChild<QPlainTextEdit *>()->toPlainText().toUtf8();
            once["details-lines"] = QByteArray::number(details.count('\n') + (details.isEmpty() ? 0 : 1));
            once["details-first"] = details.split('\n').first();
            dialog->reject();
        });
        mUi->actionConversionDetails->trigger();
    } else if (step == "clear") {
        QTest::mouseClick(mUi->clearPushButton, Qt::LeftButton);
    } else if (step != "details") {
        qFatal("unknown step %s", step.constData());
    }
    return once;
}

void tst_SessionTable::sequences_data()
{
    QTest::addColumn<int>("index");
    const Table table = readTable(tablePath);
    for (int i = 0; i < table.sequences.size(); ++i)
        QTest::newRow(table.sequences.at(i).title.constData()) << i;
}

void tst_SessionTable::sequences()
{
    QFETCH(int, index);
    const Table table = readTable(tablePath);
    writeFiles(table);
    State expected = startState();
    for (const Step &step : table.sequences.at(index).steps) {
        State seen = perform(step.words, table);
        seen.insert(observe());
        expected.insert(step.expected);
        expected.remove("saved-as"); // the page's download name; the window asks for one
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(seen.value(it.key()) == shownPart(it.key(), it.value()),
                     qPrintable(QString::fromLatin1(step.words.join(' ') + ": " + it.key() + " is \""
                                                    + seen.value(it.key()).left(200) + "\", not \""
                                                    + it.value().left(200) + '"')));
        for (const QByteArray &key : expected.keys())
            if (!startState().contains(key))
                expected.remove(key); // what a step gives once
    }
}

// Sequences no one wrote by hand, in the table's form with what changed
// after every step, for the page to replay.
void tst_SessionTable::generatedSequences()
{
    const Table table = readTable(tablePath);
    QJsonObject files;
    for (const auto &[name, content] : table.files)
        if (generatedFiles.contains(name))
            files.insert(QString::fromLatin1(name), jsonOf(content));
    QJsonArray sequences;
    std::mt19937 random(20261207);
    for (int sequence = 1; sequence <= 200; ++sequence) {
        startAfresh();
        writeFiles(table);
        QJsonArray steps;
        State before = observe();
        for (int i = 4 + int(random() % 9); i > 0; --i) {
            const QByteArrayList words = randomStep(random);
            State changes = perform(words, table);
            const State after = observe();
            for (auto it = after.cbegin(); it != after.cend(); ++it)
                if (before.value(it.key()) != it.value())
                    changes.insert(it.key(), it.value());
            QJsonObject json;
            for (auto it = changes.cbegin(); it != changes.cend(); ++it)
                json.insert(QString::fromLatin1(it.key()), jsonOf(it.value()));
            steps.append(QJsonArray{jsonOf(words.join(' ')), json});
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
