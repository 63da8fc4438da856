#include "app/ui_qvrtomorvane.h"
#include "convert/convertbutton.h"
#include "input/loadbutton.h"
#include "input/qvrcode.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>

// The window on the screen it opens on. CTest runs this once for each
// screen (tests/CMakeLists.txt): QVRTOMORVANE_SCREEN says which, and
// whether the window's 1200 by 900 fit there.
class tst_WindowFit : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheScreen();
};

void tst_WindowFit::fitsTheScreen()
{
    QMainWindow window;
    Ui::QVRtoMorvane form;
    form.setupUi(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QSize room = window.screen()->availableGeometry().size();
    const QString screen = qEnvironmentVariable("QVRTOMORVANE_SCREEN");
    qInfo("%s: %dx%d of room, the window %dx%d", qPrintable(screen), room.width(), room.height(), window.width(),
          window.height());
    QVERIFY(window.frameGeometry().width() <= room.width() && window.frameGeometry().height() <= room.height());
    // Laid out as designed whatever the screen: nothing moves or shrinks.
    QCOMPARE(form.centralwidget->width(), 1200);
    QCOMPARE(form.verticalLayoutWidget->geometry(), QRect(9, 9, 1181, 761));

    QScrollArea *area = form.contentScrollArea;
    if (screen.endsWith(QLatin1String("fits"))) {
        QCOMPARE(window.size(), QSize(1200, 900));
        QCOMPARE(form.centralwidget->height() + form.menuBar->height() + form.statusbar->height(), 900);
        QVERIFY(!area->horizontalScrollBar()->isVisible() && !area->verticalScrollBar()->isVisible());
        return;
    }
    QVERIFY(window.height() < 900);
    // Every control can be scrolled into full view; the status bar with
    // the report's summary stays in view below the scroll area.
    const QList<QWidget *> controls = {form.loadPushButton,    form.qvrCodeTextEdit, form.convertPushButton,
                                       form.morvaneCodeTextEdit, form.savePushButton,  form.clearPushButton,
                                       form.exitPushButton};
    for (QWidget *control : controls) {
        area->ensureWidgetVisible(control, 0, 0);
        const QRect shown(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
        QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(control->objectName()));
    }
    const QRect status(form.statusbar->mapTo(&window, QPoint(0, 0)), form.statusbar->size());
    QVERIFY(window.rect().contains(status));
}

QTEST_MAIN(tst_WindowFit)
#include "tst_windowfit.moc"
