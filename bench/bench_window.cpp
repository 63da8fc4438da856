// The window on large codes, offscreen: from a loaded text to the code shown
// and laid out in the input pane and the converted code in the output pane.
#include "app/ui_qvrtomorvane.h"
#include "codegenerator.h"
#include "convert/convertbutton.h"
#include "input/qvrcode.h"

#include <QAction>
#include <QApplication>
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

} // namespace

BENCHMARK(loadAndShow)->Arg(10)->Arg(100)->Arg(1024)->Arg(4096)->Arg(16384)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(showDetails)->Arg(1024)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
