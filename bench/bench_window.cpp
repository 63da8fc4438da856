// The window on large codes, offscreen: from a loaded text to the code shown
// and laid out in the input pane and the converted code in the output pane.
#include "codegenerator.h"
#include "convert/convertbutton.h"
#include "input/qvrcode.h"
#include "app/ui_qvrtomorvane.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// Laying out the whole document is what makes the pane ready to scroll
// anywhere; asking for its size finishes any layout still pending.
void finishLayout(QTextEdit *pane)
{
    benchmark::DoNotOptimize(pane->document()->size());
    pane->viewport()->repaint();
}

void loadAndShow(benchmark::State &state)
{
    const QString code = QString::fromStdString(CodeGenerator(42).code(std::size_t(state.range(0)) << 10));
    QMainWindow window;
    Ui::QVRtoMorvane ui;
    ui.setupUi(&window);
    window.show();
    QApplication::processEvents();

    for (auto _ : state) {
        ui.loadCodeText(code, QStringLiteral("bench.txt"));
        ui.convertPushButton->click();
        finishLayout(ui.qvrCodeTextEdit);
        finishLayout(ui.morvaneCodeTextEdit);
        QApplication::processEvents();

        state.PauseTiming();
        ui.clearPushButton->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * code.size());
}

} // namespace

BENCHMARK(loadAndShow)->Arg(10)->Arg(100)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
