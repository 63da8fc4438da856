// Several codes at once through the converter (--output-dir) and the window
// (Convert Several Codes, its dialogs driven as a user drives them), every
// batch of tests/data/batches.json: the same names, fates and bytes from
// both. Then what only the window does: a stop halfway, a target that is
// there already (replaced, kept, or the batch called off), several files
// dropped.
#include "app/systempath.h"
#include "app/ui_qvrtomorvane.h"
#include "batchtable.h"
#include "convert/codebatch.h"
#include "dialogdriver.h"
#include "input/qvrcode.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const BatchTable &table()
{
    static const BatchTable table(QVRTOMORVANE_SOURCE_DIR "/tests/data/batches.json");
    return table;
}

const char *const fateNames[] = {"Waiting", "Converted", "Refused", "Unreadable", "TooLarge",
                                 "NotWritten", "Kept", "NotDone"};

// Every file below folder, by its name there ("codes/a.txt").
QStringList filesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        names << QDir(folder).relativeFilePath(files.next());
    names.sort();
    return names;
}

struct Row
{
    QString target;
    QString fate;
    QString said;
};

} // namespace

class tst_Batches : public WindowTest
{
    Q_OBJECT

private slots:
    void facesAgree_data();
    void facesAgree();
    void stoppedHalfway();
    void targetsThereAlready_data();
    void targetsThereAlready();
    void severalFilesDropped();
    void converterProgress();

private:
    QStringList given(std::size_t batch);
    // Runs a batch in the window, the folder dialog answered with folder;
    // act, when given, acts on the batch's dialog while it runs. Gives the
    // dialog's rows once the batch is over.
    QList<Row> runInWindow(const QStringList &paths, const QString &folder,
                           std::function<void(QDialog *)> act = {});
};

QStringList tst_Batches::given(std::size_t batch)
{
    const QString root = path(QStringLiteral("given"));
    table().write(batch, root.toStdString());
    QStringList paths;
    for (const std::string &name : table().batches[batch].given)
        paths << root + QLatin1Char('/') + QString::fromStdString(name);
    return paths;
}

QList<Row> tst_Batches::runInWindow(const QStringList &paths, const QString &folder, std::function<void(QDialog *)> act)
{
    QList<Row> rows;
    DialogDriver::chooseFile(folder);
    DialogDriver::whenModal<QDialog>(
        [&](QDialog *dialog) {
            if (act)
                act(dialog);
            auto *close = dialog->findChild<QPushButton *>(QStringLiteral("closeButton"));
            QTRY_VERIFY_WITH_TIMEOUT(close->isEnabled(), 300000);
            const auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("codeTree"));
            for (int index = 0; index < tree->topLevelItemCount(); ++index) {
                const QTreeWidgetItem *row = tree->topLevelItem(index);
                rows.push_back({row->text(0), QLatin1String(fateNames[row->data(1, Qt::UserRole).toInt()]),
                                row->text(1)});
            }
            close->click();
        },
        QStringLiteral("BatchDialog"));
    mUi->convertSeveralCodes(mWindow.get(), paths);
    return rows;
}

void tst_Batches::facesAgree_data()
{
    QTest::addColumn<int>("batch");
    for (std::size_t batch = 0; batch < table().batches.size(); ++batch)
        QTest::newRow(table().batches[batch].title.c_str()) << int(batch);
}

void tst_Batches::facesAgree()
{
    QFETCH(int, batch);
    const BatchTable::Batch &described = table().batches[std::size_t(batch)];
    const QStringList paths = given(std::size_t(batch));
    QStringList converted;
    bool allConverted = !described.expected.empty();
    for (const auto &[target, fate] : described.expected) {
        if (fate == "Converted")
            converted << QString::fromStdString(target);
        allConverted = allConverted && fate == "Converted";
    }
    converted.sort();

    const QString byConverter = path(QStringLiteral("converter"));
    const TestFiles::Run run = TestFiles::runConverter(QStringList{QStringLiteral("-d"), byConverter} + paths);
    QCOMPARE(run.exitCode, allConverted ? 0 : 1);
    QCOMPARE(filesBelow(byConverter), converted);

    const QString byWindow = path(QStringLiteral("window"));
    QVERIFY(QDir().mkpath(byWindow));
    if (described.expected.empty()) {
        QString said;
        DialogDriver::whenModal<QMessageBox>([&](QMessageBox *box) {
            said = box->text();
            box->accept();
        });
        mUi->convertSeveralCodes(mWindow.get(), paths);
        QCOMPARE(said, QStringLiteral("There are no .txt files to convert here."));
        QCOMPARE(filesBelow(byWindow), QStringList());
        return;
    }
    const QList<Row> rows = runInWindow(paths, byWindow);
    QCOMPARE(rows.size(), int(described.expected.size()));
    for (int index = 0; index < rows.size(); ++index) {
        const auto &[target, fate] = described.expected[std::size_t(index)];
        QCOMPARE(rows[index].target, QString::fromStdString(target));
        QVERIFY2(rows[index].fate == QString::fromStdString(fate), qPrintable(rows[index].said));
    }
    QCOMPARE(filesBelow(byWindow), converted);
    for (const QString &name : converted)
        QVERIFY2(TestFiles::read(byWindow + QLatin1Char('/') + name) == TestFiles::read(byConverter + QLatin1Char('/') + name),
                 qPrintable(name));
    // The one code the window holds is not the batch's business.
    QVERIFY(mUi->qvrCodeTextEdit->toPlainText().isEmpty());
    QVERIFY(mUi->statusbar->currentMessage().isEmpty());
}

// Stop ends the batch before its next code: the codes before it converted
// and written whole, the rest left, and the dialog says so.
void tst_Batches::stoppedHalfway()
{
    const std::size_t many = table().batches.size() - 1;
    const QStringList paths = given(many);
    const QString byConverter = path(QStringLiteral("converter"));
    QCOMPARE(TestFiles::runConverter(QStringList{QStringLiteral("-d"), byConverter} + paths).exitCode, 0);

    const QString byWindow = path(QStringLiteral("window"));
    QVERIFY(QDir().mkpath(byWindow));
    QString summary;
    const QList<Row> rows = runInWindow(paths, byWindow, [&](QDialog *dialog) {
        const auto *progress = dialog->findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QTRY_VERIFY(progress->value() >= 20);
        dialog->findChild<QPushButton *>(QStringLiteral("stopButton"))->click();
        QTRY_VERIFY(dialog->findChild<QPushButton *>(QStringLiteral("closeButton"))->isEnabled());
        summary = dialog->findChild<QLabel *>(QStringLiteral("summaryLabel"))->text();
    });
    int converted = 0;
    while (converted < rows.size() && rows[converted].fate == QLatin1String("Converted"))
        ++converted;
    QVERIFY2(converted >= 20 && converted < rows.size(), qPrintable(QString::number(converted)));
    for (int index = converted; index < rows.size(); ++index)
        QCOMPARE(rows[index].fate, QStringLiteral("NotDone"));
    QCOMPARE(summary, QStringLiteral("Stopped: converted %1 of %2 codes; every file written before is whole.")
                          .arg(converted)
                          .arg(rows.size()));
    const QStringList written = filesBelow(byWindow);
    QCOMPARE(written.size(), converted);
    for (const QString &name : written)
        QVERIFY(TestFiles::read(byWindow + QLatin1Char('/') + name) == TestFiles::read(byConverter + QLatin1Char('/') + name));
}

// A file of a code's name in the folder is replaced only on the player's
// word, asked once for all of them.
void tst_Batches::targetsThereAlready_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("left");  // in a.txt afterwards
    QTest::addColumn<QString>("fate");     // of a.txt; nothing when no batch ran
    QTest::newRow("replace them") << QStringLiteral("Replace Them") << QByteArray("105**aa1") << QStringLiteral("Converted");
    QTest::newRow("skip them") << QStringLiteral("Skip Them") << QByteArray("OLD") << QStringLiteral("Kept");
    QTest::newRow("cancel") << QStringLiteral("Cancel") << QByteArray("OLD") << QString();
}

void tst_Batches::targetsThereAlready()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, left);
    QFETCH(QString, fate);
    const QString a = path(QStringLiteral("a.txt"));
    const QString b = path(QStringLiteral("b.txt"));
    TestFiles::write(a, "107**aa1.2.3");
    TestFiles::write(b, "107**zz1");
    const QString folder = path(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    TestFiles::write(folder + QStringLiteral("/a.txt"), "OLD");

    QString asked;
    DialogDriver::chooseFile(folder);
    DialogDriver::whenModal<QMessageBox>([&](QMessageBox *box) {
        asked = box->text();
        for (QAbstractButton *button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == answer)
                button->click();
    });
    QList<Row> rows;
    if (!fate.isEmpty()) {
        DialogDriver::whenModal<QDialog>(
            [&](QDialog *dialog) {
                auto *close = dialog->findChild<QPushButton *>(QStringLiteral("closeButton"));
                QTRY_VERIFY(close->isEnabled());
                const auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("codeTree"));
                for (int index = 0; index < tree->topLevelItemCount(); ++index)
                    rows.push_back({tree->topLevelItem(index)->text(0),
                                    QLatin1String(fateNames[tree->topLevelItem(index)->data(1, Qt::UserRole).toInt()]),
                                    tree->topLevelItem(index)->text(1)});
                close->click();
            },
            QStringLiteral("BatchDialog"));
    }
    mUi->convertSeveralCodes(mWindow.get(), {a, b});
    QVERIFY2(asked.startsWith(QStringLiteral("1 of these codes would replace a file of the same name in ")), qPrintable(asked));
    QCOMPARE(TestFiles::read(folder + QStringLiteral("/a.txt")), left);
    QCOMPARE(QFile::exists(folder + QStringLiteral("/b.txt")), !fate.isEmpty());
    if (!fate.isEmpty()) {
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].fate, fate);
        QCOMPARE(rows[1].fate, QStringLiteral("Converted"));
    }
}

// Several files dropped on the window are converted as a batch; the code
// the window holds stays.
void tst_Batches::severalFilesDropped()
{
    const QString held = path(QStringLiteral("held.txt"));
    TestFiles::write(held, "107**aa1.2.3");
    dropFile(held);
    const QString a = path(QStringLiteral("a.txt"));
    const QString b = path(QStringLiteral("b.txt"));
    TestFiles::write(a, "107**zz1");
    TestFiles::write(b, "106**zz2");
    const QString folder = path(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));

    QList<Row> rows;
    DialogDriver::chooseFile(folder);
    DialogDriver::whenModal<QDialog>(
        [&](QDialog *dialog) {
            auto *close = dialog->findChild<QPushButton *>(QStringLiteral("closeButton"));
            QTRY_VERIFY(close->isEnabled());
            rows.push_back({});
            close->click();
        },
        QStringLiteral("BatchDialog"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QVERIFY(drop(data));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(filesBelow(folder), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
    QCOMPARE(mUi->qvrCodeTextEdit->toPlainText(), QStringLiteral("107**aa1.2.3"));
    QCOMPARE(mUi->loadPathLabel->text(), held);
}

// A long batch says how far it has come on a terminal, and nothing where
// its standard error is a file or a pipe.
void tst_Batches::converterProgress()
{
    QStringList paths;
    for (int index = 0; index < 12; ++index) {
        paths << path(QStringLiteral("code-%1.txt").arg(index));
        TestFiles::write(paths.back(), "107**zz1");
    }
    const std::string folder = systemPath(path(QStringLiteral("out")));
    std::string command = "'" + TestFiles::converter() + "' -d '" + folder + "'";
    for (const QString &file : paths)
        command += " '" + systemPath(file) + "'";
    const TestFiles::Run onTerminal = TestFiles::run({"/usr/bin/script", "-qec", command, "/dev/null"});
    QCOMPARE(onTerminal.exitCode, 0);
    QVERIFY2(onTerminal.out.contains("\rConverting 12 of 12"), onTerminal.out);
    const TestFiles::Run inAPipe = TestFiles::run({"/bin/sh", "-c", command});
    QCOMPARE(inAPipe.exitCode, 0);
    QCOMPARE(inAPipe.err, QByteArray());
}

QTEST_MAIN(tst_Batches)
#include "tst_batches.moc"
