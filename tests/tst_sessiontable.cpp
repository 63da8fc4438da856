// The window's face of tests/data/session-sequences.txt: every sequence run
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

// The table's line syntax: words, and "quoted" pieces with C escapes, each
// repeated by an optional *COUNT, that make one value together.
class LineReader
{
public:
    explicit LineReader(const QByteArray &line) : mLine(line) {}

    bool atEnd() { return skipSpaces() >= mLine.size(); }
    bool next(char c) { return !atEnd() && mLine[mPosition] == c; }
    void skip() { ++mPosition; }

    QByteArray word()
    {
        skipSpaces();
        const qsizetype start = mPosition;
        while (mPosition < mLine.size() && mLine[mPosition] != ' ' && mLine[mPosition] != '|'
               && mLine[mPosition] != '=')
            ++mPosition;
        return mLine.mid(start, mPosition - start);
    }

    QByteArray value()
    {
        if (!next('"'))
            return word();
        QByteArray value;
        while (next('"')) {
            const QByteArray piece = quoted();
            qsizetype count = 1;
            if (mPosition < mLine.size() && mLine[mPosition] == '*') {
                skip();
                count = word().toLongLong();
            }
            value += piece.repeated(count);
        }
        return value;
    }

private:
    qsizetype skipSpaces()
    {
        while (mPosition < mLine.size() && mLine[mPosition] == ' ')
            ++mPosition;
        return mPosition;
    }

    QByteArray quoted()
    {
        QByteArray text;
        for (skip(); mPosition < mLine.size() && mLine[mPosition] != '"'; ++mPosition) {
            char c = mLine[mPosition];
            if (c == '\\') {
                c = mLine[++mPosition];
                switch (c) {
                case 'n': c = '\n'; break;
                case 'r': c = '\r'; break;
                case 't': c = '\t'; break;
                case 'x':
                    c = char(mLine.mid(mPosition + 1, 2).toInt(nullptr, 16));
                    mPosition += 2;
                    break;
                default: break;
                }
            }
            text += c;
        }
        skip();
        return text;
    }

    QByteArray mLine;
    qsizetype mPosition = 0;
};

Table readTable(const QByteArray &content)
{
    Table table;
    for (const QByteArray &line : content.split('\n')) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith('#'))
            continue;
        LineReader reader(line);
        if (line.startsWith("file ")) {
            reader.word();
            const QByteArray name = reader.word();
            table.files.append({name, reader.value()});
        } else if (line.startsWith("sequence ")) {
            table.sequences.append({line.mid(9).trimmed(), {}});
        } else {
            Step step;
            while (!reader.atEnd() && !reader.next('|'))
                step.words << reader.word();
            if (reader.next('|'))
                reader.skip();
            while (!reader.atEnd()) {
                const QByteArray key = reader.word();
                reader.skip(); // '='
                step.expected[key] = reader.value();
            }
            table.sequences.last().steps.append(step);
        }
    }
    return table;
}

QByteArray escaped(const QByteArray &bytes)
{
    QByteArray text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            text += QByteArray("\\") + c;
        else if (c == '\n')
            text += "\\n";
        else if (byte < 0x20 || byte >= 0x7f)
            text += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        else
            text += c;
    }
    return text + '"';
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
    const Table table = readTable(TestFiles::read(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/session-sequences.txt")));
    for (int i = 0; i < table.sequences.size(); ++i)
        QTest::newRow(table.sequences.at(i).title.constData()) << i;
}

void tst_SessionTable::sequences()
{
    QFETCH(int, index);
    const Table table = readTable(TestFiles::read(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/session-sequences.txt")));
    writeFiles(table);
    State expected = startState();
    QCOMPARE(observe(), expected);
    for (const Step &step : table.sequences.at(index).steps) {
        const State once = perform(step.words, table);
        const QByteArray where = step.words.join(' ');
        for (auto it = step.expected.cbegin(); it != step.expected.cend(); ++it) {
            if (it.key() == "saved-as")
                continue; // the page's download name; the window asks for one
            if (expected.contains(it.key()))
                expected[it.key()] = it.value();
            else
                QVERIFY2(once.value(it.key()) == it.value(),
                         qPrintable(where + ": " + it.key() + " is " + escaped(once.value(it.key())).left(200)));
        }
        const State seen = observe();
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(seen.value(it.key()) == it.value(),
                     qPrintable(where + ": " + it.key() + " is " + escaped(seen.value(it.key())).left(200)
                                + ", not " + escaped(it.value()).left(200)));
    }
}

// Sequences no one wrote by hand, in the table's syntax with the whole
// state after every step, for the page to replay.
void tst_SessionTable::generatedSequences()
{
    const Table table = readTable(TestFiles::read(QStringLiteral(QVRTOMORVANE_SOURCE_DIR "/tests/data/session-sequences.txt")));
    QByteArray traces = "# Written by tst_sessiontable: what the window did in 200 generated sequences.\n";
    for (const auto &[name, content] : table.files)
        if (generatedFiles.contains(name))
            traces += "file " + name + ' ' + escaped(content) + '\n';

    std::mt19937 random(20261207);
    for (int sequence = 1; sequence <= 200; ++sequence) {
        startAfresh();
        writeFiles(table);
        traces += "\nsequence generated " + QByteArray::number(sequence) + '\n';
        State before = observe();
        const int steps = 4 + int(random() % 9);
        for (int i = 0; i < steps; ++i) {
            const QByteArrayList words = randomStep(random);
            const State once = perform(words, table);
            const State after = observe();
            traces += "  " + words.join(' ') + " |";
            for (const State &changes : {after, once})
                for (auto it = changes.cbegin(); it != changes.cend(); ++it)
                    if (&changes == &once || before.value(it.key()) != it.value())
                        traces += ' ' + it.key() + '=' + escaped(it.value());
            traces += '\n';
            before = after;
        }
    }
    const QString output = qEnvironmentVariable("QVRTOMORVANE_SESSION_TRACES");
    if (!output.isEmpty()) {
        QFile file(output);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(traces), traces.size());
    }
}

QTEST_MAIN(tst_SessionTable)
#include "tst_sessiontable.moc"
