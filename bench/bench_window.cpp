// The window on large codes, offscreen: from a loaded text to the code shown
// and laid out in the input pane and the converted code in the output pane.
#include "app/batchworker.h"
#include "app/ui_qvrtomorvane.h"
#include "codegenerator.h"
#include "convert/convertbutton.h"
#include "files/codefile.h"
#include "input/qvrcode.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QMainWindow>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <benchmark/benchmark.h>

namespace {

// Laying out the whole document is what makes a pane ready to scroll
// anywhere; asking for its size finishes any layout still pending. Then the
// window is painted once, as the event loop would paint it: repainting each
// pane by itself would paint the second one twice.
void finishLayoutAndPaint(QMainWindow &window, const Ui::QVRtoMorvane &ui)
{
    benchmark::DoNotOptimize(ui.qvrCodeTextEdit->document()->size());
    benchmark::DoNotOptimize(ui.morvaneCodeTextEdit->document()->size());
    window.repaint();
}

// Real codes are one line: the generator's odd segments may hold line
// breaks, which would split the layout into short paragraphs and hide its
// cost.
QString oneLineCode(std::size_t size)
{
    std::string code = CodeGenerator(42).code(size);
    std::replace(code.begin(), code.end(), '\n', '.');
    return QString::fromStdString(code);
}

// Every load starts as in a window just opened: memory freed by the last
// one goes back to the system, so a small code does not look cheaper for
// reusing it while a large one, whose buffers the allocator never keeps,
// pays for fresh pages each time.
void startAfresh()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void loadAndShow(benchmark::State &state)
{
    const QString code = oneLineCode(std::size_t(state.range(0)) << 10);
    QMainWindow window;
    Ui::QVRtoMorvane ui;
    ui.setupUi(&window);
    window.show();
    QApplication::processEvents();

    for (auto _ : state) {
        ui.loadCodeText(code, QStringLiteral("bench.txt"));
        ui.convertPushButton->click();
        finishLayoutAndPaint(window, ui);
        QApplication::processEvents();

        state.PauseTiming();
        ui.clearPushButton->click();
        QApplication::processEvents();
        startAfresh();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * code.size());
}

// Conversion Details of a converted code, from the menu to the dialog shown
// and painted once: its marks, as far as a pane shows, and its list.
void showDetails(benchmark::State &state)
{
    const QString code = oneLineCode(std::size_t(state.range(0)) << 10);
    QMainWindow window;
    Ui::QVRtoMorvane ui;
    ui.setupUi(&window);
    window.show();
    ui.loadCodeText(code, QStringLiteral("bench.txt"));
    ui.convertPushButton->click();
    QApplication::processEvents();

    for (auto _ : state) {
        // The dialog runs modally: it is closed from inside once it has
        // been painted.
        QTimer::singleShot(0, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            dialog->repaint();
            dialog->close();
        });
        ui.actionConversionDetails->trigger();
    }
}

// The most memory this process has held since the last reset (Linux).
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

long peakMemoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

// Several codes at once as the window converts them (its batch worker, the
// dialog aside): the codes of QVRTOMORVANE_BATCH_FOLDER, or 1,000 generated
// ones of 10 KB, into a folder replaced each time. bench/table.mjs sets it
// beside the converter's --output-dir on the same files.
void convertSeveral(benchmark::State &state)
{
    QTemporaryDir scratch;
    QString folder = qEnvironmentVariable("QVRTOMORVANE_BATCH_FOLDER");
    if (folder.isEmpty()) {
        folder = scratch.filePath(QStringLiteral("codes"));
        QDir().mkpath(folder);
        CodeGenerator generator(5);
        for (int index = 1; index <= 1000; ++index) {
            QFile file(QStringLiteral("%1/code-%2.txt").arg(folder).arg(index, 4, 10, QLatin1Char('0')));
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray::fromStdString(generator.code(10 * 1024)));
        }
    }
    std::vector<CodeBatch::Input> inputs;
    for (CodeFile::FoundFile &found : CodeFile::codeFilesBelow(QFile::encodeName(folder).toStdString()))
        inputs.push_back({std::move(found.path), std::move(found.name)});
    const QString output = scratch.filePath(QStringLiteral("out"));
    // The most memory the process held for the largest code alone, and
    // then for all of them.
    const auto largest = std::max_element(inputs.begin(), inputs.end(), [](const auto &a, const auto &b) {
        return QFileInfo(QString::fromStdString(a.source)).size() < QFileInfo(QString::fromStdString(b.source)).size();
    });
    const auto peakAfter = [&](std::vector<CodeBatch::Input> some) {
        resetPeakMemory();
        BatchWorker(CodeBatch(std::move(some)), QFile::encodeName(output).toStdString(), true).run();
        return peakMemoryKilobytes();
    };
    state.counters["largestAloneKB"] = double(peakAfter({*largest}));
    state.counters["allKB"] = double(peakAfter(inputs));
    for (auto _ : state) {
        state.PauseTiming();
        QDir(output).removeRecursively();
        state.ResumeTiming();
        BatchWorker worker(CodeBatch(inputs), QFile::encodeName(output).toStdString(), true);
        worker.run();
        if (worker.batch().converted() != inputs.size())
            state.SkipWithError("not every code converted");
    }
}

} // namespace

BENCHMARK(loadAndShow)->Arg(10)->Arg(100)->Arg(1024)->Arg(4096)->Arg(16384)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(showDetails)->Arg(1024)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(convertSeveral)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
