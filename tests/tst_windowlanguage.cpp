// The window in the player's language: which catalogue each system
// language gets (and Qt's own with it), every text of the window and its
// dialogs translated, under English exactly the texts it always had, and in
// every language each text fitting its widget at the window's size. CTest
// runs this on each screen the window meets (tests/CMakeLists.txt).
#include "app/ui_qvrtomorvane.h"
#include "app/windowlanguage.h"
#include "convert/convertbutton.h"
#include "dialogdriver.h"
#include "forms/ui_about.h"
#include "forms/ui_batchdialog.h"
#include "forms/ui_conversiondetails.h"
#include "forms/ui_help.h"
#include "input/loadbutton.h"
#include "input/qvrcode.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QStringList languages = {QStringLiteral("ja"), QStringLiteral("zh_CN"), QStringLiteral("ko"),
                               QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("fr"),
                               QStringLiteral("de"), QStringLiteral("ru")};

// A window or dialog of the program, built as the program builds it.
struct Shown
{
    std::unique_ptr<QWidget> widget;
    std::function<void()> keep; // what else must live as long
};

Shown build(const QString &which)
{
    if (which == QLatin1String("main window")) {
        auto window = std::make_unique<QMainWindow>();
        auto form = std::make_shared<Ui::QVRtoMorvane>();
        form->setupUi(window.get());
        return {std::move(window), [form] {}};
    }
    auto dialog = std::make_unique<QDialog>();
    if (which == QLatin1String("Help")) {
        auto form = std::make_shared<Ui_Help>();
        form->setupUi(dialog.get());
        return {std::move(dialog), [form] {}};
    }
    if (which == QLatin1String("About")) {
        auto form = std::make_shared<Ui_About>();
        form->setupUi(dialog.get());
        return {std::move(dialog), [form] {}};
    }
    if (which == QLatin1String("Conversion Details")) {
        auto form = std::make_shared<Ui_ConversionDetails>();
        form->setupUi(dialog.get());
        return {std::move(dialog), [form] {}};
    }
    auto form = std::make_shared<Ui_BatchDialog>();
    form->setupUi(dialog.get());
    return {std::move(dialog), [form] {}};
}

// Every text a widget shows of its own: its text or title, and its
// placeholder, tool tip and menu titles.
QStringList textsOf(QWidget *top)
{
    QStringList texts{top->windowTitle()};
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *edit = qobject_cast<QTextEdit *>(widget))
            texts << edit->placeholderText();
        else if (auto *menu = qobject_cast<QMenu *>(widget))
            texts << menu->title();
        if (auto *tree = qobject_cast<QTreeWidget *>(widget))
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column);
    }
    for (QAction *action : top->findChildren<QAction *>())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// What of a button's or a label's text its geometry cuts off, if anything.
QString cutOff(QWidget *widget, QWidget *top)
{
    auto *label = qobject_cast<QLabel *>(widget);
    if ((!qobject_cast<QAbstractButton *>(widget) && !label) || (label && label->text().isEmpty()))
        return {};
    const QRect within(widget->mapTo(top, QPoint(0, 0)), widget->size());
    if (!top->rect().contains(within))
        return QStringLiteral("lies outside its window");
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        if (button->sizeHint().width() > button->width())
            return QStringLiteral("is %1 wide and needs %2").arg(button->width()).arg(button->sizeHint().width());
    } else if (label) {
        const QSize needs = label->wordWrap()
            ? QSize(label->width(), label->heightForWidth(label->width()))
            : label->fontMetrics().size(0, label->text()) + QSize(2 * label->margin(), 2 * label->margin());
        if (needs.width() > label->contentsRect().width() + 1 || needs.height() > label->contentsRect().height() + 1)
            return QStringLiteral("shows %1x%2 of %3x%4").arg(label->contentsRect().width())
                .arg(label->contentsRect().height()).arg(needs.width()).arg(needs.height());
    }
    return {};
}

// Whether a text the same in the language as in English is so because
// the catalogue says so ("Code" in German), not because it was left out of
// the catalogues.
bool keptByTheCatalogue(const QString &language, const QString &text)
{
    QTranslator catalogue;
    if (!catalogue.load(QStringLiteral(":/translations/qvrtomorvane_") + language))
        return false;
    for (const char *context : {"QVRtoMorvane", "Help", "About", "ConversionDetails", "BatchDialog",
                                "ConversionReport", "CodeSession"})
        if (catalogue.translate(context, text.toUtf8().constData()) == text)
            return true;
    return text == QLatin1String("#");
}

// What Qt's file dialog says when "LOAD QVR FILE" opens it: its caption,
// filter, labels, buttons and column headings.
QStringList fileDialogTexts()
{
    QMainWindow window;
    Ui::QVRtoMorvane form;
    form.setupUi(&window);
    window.show();
    QStringList texts;
    DialogDriver::whenModal<QFileDialog>([&texts](QFileDialog *dialog) {
        texts << dialog->windowTitle() << dialog->nameFilters();
        for (QWidget *widget : dialog->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(dialog))
                continue;
            if (auto *label = qobject_cast<QLabel *>(widget))
                texts << label->text();
            else if (auto *button = qobject_cast<QPushButton *>(widget))
                texts << button->text();
            else if (auto *view = qobject_cast<QTreeView *>(widget))
                for (int column = 0; column < view->model()->columnCount(); ++column)
                    texts << view->model()->headerData(column, Qt::Horizontal).toString();
        }
        dialog->reject();
    });
    QTest::mouseClick(form.loadPushButton, Qt::LeftButton);
    texts.removeAll(QString());
    return texts;
}

} // namespace

class tst_WindowLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void chooses_data();
    void chooses();
    void englishAsItWas_data();
    void englishAsItWas();
    void everyTextTranslatedAndFits_data();
    void everyTextTranslatedAndFits();
    void fileDialogInTheLanguage_data();
    void fileDialogInTheLanguage();
    void followsTheSystem();
};

void tst_WindowLanguage::initTestCase()
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_WindowLanguage::cleanupTestCase()
{
    WindowLanguage::install(QLocale::c());
}

// The system's languages, as QLocale gives them, in order: the first the
// catalogues have; English for any other.
void tst_WindowLanguage::chooses_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("Japanese, Japan") << QStringLiteral("ja_JP") << QStringLiteral("ja");
    QTest::newRow("Chinese, China") << QStringLiteral("zh_CN") << QStringLiteral("zh_CN");
    QTest::newRow("Korean") << QStringLiteral("ko_KR") << QStringLiteral("ko");
    QTest::newRow("Spanish, Mexico") << QStringLiteral("es_MX") << QStringLiteral("es");
    QTest::newRow("Portuguese, Brazil") << QStringLiteral("pt_BR") << QStringLiteral("pt_BR");
    QTest::newRow("French, Canada") << QStringLiteral("fr_CA") << QStringLiteral("fr");
    QTest::newRow("German, Austria") << QStringLiteral("de_AT") << QStringLiteral("de");
    QTest::newRow("Russian") << QStringLiteral("ru_RU") << QStringLiteral("ru");
    QTest::newRow("English, Britain") << QStringLiteral("en_GB") << QStringLiteral("en");
    QTest::newRow("C") << QStringLiteral("C") << QStringLiteral("en");
    QTest::newRow("Italian, which has no catalogue") << QStringLiteral("it_IT") << QStringLiteral("en");
}

void tst_WindowLanguage::chooses()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(WindowLanguage::install(QLocale(locale)), language);
    // Qt's own words come in the same language: a dialog's Cancel.
    QString cancel = QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text();
    QCOMPARE(cancel.remove(QLatin1Char('&')) == QLatin1String("Cancel"), language == QLatin1String("en"));
}

void tst_WindowLanguage::englishAsItWas_data()
{
    QTest::addColumn<QString>("which");
    for (const char *which : {"main window", "Help", "About", "Conversion Details", "Convert Several Codes"})
        QTest::newRow(which) << QString::fromLatin1(which);
}

// Under English, and under C, every text is the one the sources give, as
// without any catalogue.
void tst_WindowLanguage::englishAsItWas()
{
    QFETCH(QString, which);
    WindowLanguage::install(QLocale::c());
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(translator);
    const QStringList sources = textsOf(build(which).widget.get());
    for (const char *locale : {"C", "en_US"}) {
        WindowLanguage::install(QLocale(QString::fromLatin1(locale)));
        QCOMPARE(textsOf(build(which).widget.get()), sources);
    }
}

void tst_WindowLanguage::everyTextTranslatedAndFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("which");
    for (const QString &language : languages)
        for (const char *which : {"main window", "Help", "About", "Conversion Details", "Convert Several Codes"})
            QTest::newRow(qPrintable(language + QLatin1Char(' ') + QLatin1String(which))) << language
                                                                                        << QString::fromLatin1(which);
}

// Every text the window and its dialogs show is in the language, the
// product's name and the shortcuts aside, and each fits its widget.
void tst_WindowLanguage::everyTextTranslatedAndFits()
{
#ifdef Q_OS_WIN
    QSKIP("Measured on Linux, with fonts for every language; under Wine the offscreen tests have Latin fonts alone");
#endif
    QFETCH(QString, language);
    QFETCH(QString, which);
    WindowLanguage::install(QLocale::c());
    const QStringList english = textsOf(build(which).widget.get());
    QCOMPARE(WindowLanguage::install(QLocale(language)), language);
    Shown shown = build(which);
    QWidget *top = shown.widget.get();
    top->show();
    QVERIFY(QTest::qWaitForWindowExposed(top));

    const QStringList texts = textsOf(top);
    QCOMPARE(texts.size(), english.size());
    for (int index = 0; index < texts.size(); ++index) {
        if (texts[index] == english[index])
            QVERIFY2(keptByTheCatalogue(language, english[index]),
                     qPrintable(QStringLiteral("still English: ") + english[index]));
    }
    // The main window's content may scroll on a small screen: each widget
    // must lie within the content, whether or not it is scrolled to.
    QWidget *content = top;
    if (auto *window = qobject_cast<QMainWindow *>(top))
        content = qobject_cast<QScrollArea *>(window->centralWidget())->widget();
    QStringList cut;
    for (QWidget *widget : content->findChildren<QWidget *>())
        if (widget->isVisibleTo(top))
            if (const QString what = cutOff(widget, content); !what.isEmpty())
                cut << widget->objectName() + QLatin1Char(' ') + what;
    if (auto *window = qobject_cast<QMainWindow *>(top))
        if (window->menuBar()->sizeHint().width() > window->width())
            cut << QStringLiteral("the menu bar");
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void tst_WindowLanguage::fileDialogInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

// Qt's own file dialog speaks the window's language: the caption and filter
// from the window's catalogue, its buttons and labels from Qt's.
void tst_WindowLanguage::fileDialogInTheLanguage()
{
    QFETCH(QString, language);
    WindowLanguage::install(QLocale::c());
    const QStringList english = fileDialogTexts();
    QVERIFY(english.contains(QLatin1String("Select a file to load")));
    WindowLanguage::install(QLocale(language));
    const QStringList texts = fileDialogTexts();
    QCOMPARE(texts.size(), english.size());
    // Words Qt's catalogue rightly keeps: the column headings "Name" in
    // German, "Type" in French.
    const QStringList same = language == QLatin1String("de") ? QStringList{QStringLiteral("Name")}
        : language == QLatin1String("fr")                     ? QStringList{QStringLiteral("Type")}
                                                              : QStringList{};
    for (int index = 0; index < texts.size(); ++index)
        if (!same.contains(english[index]))
            QVERIFY2(texts[index] != english[index], qPrintable(QStringLiteral("still English: ") + english[index]));
}

// The language the system is set to (LANG here, Windows' display language
// under Wine, which takes it from LANG), as CTest sets it for this run.
void tst_WindowLanguage::followsTheSystem()
{
    const QString expected = qEnvironmentVariable("QVRTOMORVANE_EXPECTED_LANGUAGE");
    if (expected.isEmpty())
        QSKIP("CTest runs this with a system language set");
    QCOMPARE(WindowLanguage::install(), expected);
    QMainWindow window;
    Ui::QVRtoMorvane form;
    form.setupUi(&window);
    QVERIFY(form.loadPushButton->text() != QLatin1String("LOAD QVR FILE"));
}

QTEST_MAIN(tst_WindowLanguage)
#include "tst_windowlanguage.moc"
