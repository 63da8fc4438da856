// The main window's actions: what its buttons, menus and drops do, each a
// step of the session that the window then shows. The form itself (its
// widgets, names and texts) is built in ui_qvrtomorvane.cpp.
#include "ui_qvrtomorvane.h"

#include "app/batchview.h"
#include "app/conversiondetailsview.h"
#include "app/saidtext.h"
#include "app/systempath.h"
#include "convert/codebatch.h"
#include "convert/conversion.h"
#include "convert/convertbutton.h"
#include "files/codefile.h"
#include "forms/ui_batchdialog.h"
#include "forms/ui_conversiondetails.h"
#include "input/qvrcode.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextEdit>

#include <cerrno>
#include <cstring>
#include <new>

namespace {

// The file dialogs show only code files, as the window's words name them.
QString textFiles()
{
    return QCoreApplication::translate("QVRtoMorvane", "Text Files (*.txt)");
}

// A code goes into its pane as plain text (one that looks like markup must
// show, and copy, exactly as it is), through the pane's document: the text
// edit's own setPlainText would go on to lay the whole line out a second
// time only to show a text cursor that a read-only pane never draws.
void showCode(QTextEdit *pane, const QString &code)
{
    pane->document()->setPlainText(code);
    pane->verticalScrollBar()->setValue(0);
}

// Loading and showing a code of many megabytes takes seconds of text layout.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

void Ui_QVRtoMorvane::chooseCodeFile(QMainWindow *window)
{
    const QString path = QFileDialog::getOpenFileName(window, tr("Select a file to load"), QString(), textFiles());
    if (path.isEmpty())
        showSession(session().cancel());
    else
        loadCodeFile(path);
}

CodeSession &Ui_QVRtoMorvane::session()
{
    return convertPushButton->session();
}

// Only a regular file is read: a device or a pipe might never end, or never
// start, and the window would wait for it. A file whose first bytes cannot
// begin a code is refused before it is read whole, so a video dropped by
// mistake costs nothing. Nothing a file holds can stop the window.
void Ui_QVRtoMorvane::loadCodeFile(const QString &path)
{
    const BusyCursor busy;
    const CodeSession::Ticket ticket = session().startLoad();
    const std::string name = path.toStdString();
    std::string reason;
    try {
        CodeFile::Read read = CodeFile::read(systemPath(path), CodeFile::Sources::RegularFiles, CodeText::mayBeginCode);
        switch (read.status) {
        case CodeFile::Read::Done:
            return showSession(session().load(ticket, std::move(read.bytes), name));
        case CodeFile::Read::NotACode:
            return showSession(session().refuseCode(ticket, name));
        case CodeFile::Read::TooLarge:
            return showSession(session().refuseTooLarge(ticket, name, read.size, CodeFile::largestCode));
        default:
            reason = read.reason;
            break;
        }
    } catch (const std::bad_alloc &) {
        reason = std::strerror(ENOMEM);
    }
    showSession(session().refuseUnreadable(ticket, name, reason));
}

void Ui_QVRtoMorvane::loadCodeText(const QString &text, const QString &source)
{
    const BusyCursor busy;
    const CodeSession::Ticket ticket = session().startLoad();
    try {
        showSession(session().load(ticket, text.toStdString(), source.toStdString()));
    } catch (const std::bad_alloc &) {
        showSession(session().refuseUnreadable(ticket, source.toStdString(), std::strerror(ENOMEM)));
    }
}

// Everything the window shows of a code comes from the session; a step says
// what it changed, so a code of megabytes is laid out again only when it
// is a new one.
void Ui_QVRtoMorvane::showSession(unsigned changes)
{
    const CodeSession &held = session();
    if (changes & CodeSession::UpperPane) {
        qvrCodeTextEdit->setPlaceholderText(translated(held.placeholder().data()));
        // A refused code's message is words, in the user's language.
        showCode(qvrCodeTextEdit, held.upper() == CodeSession::Upper::RefusedCode
                                      ? translated(Conversion::invalidCodeMessage)
                                      : fromUtf8(CodeText::preview(held.upperText())));
    }
    if (changes & CodeSession::PathLabel)
        loadPathLabel->setText(saidText(held.sourceSaid()));
    if (changes & CodeSession::LowerPane)
        showCode(morvaneCodeTextEdit, fromUtf8(CodeText::preview(held.shownConversion())));
    if (changes & (CodeSession::UpperPane | CodeSession::LowerPane)) {
        // A code too long to lay out shows its start; this says so.
        const QString above = saidText(CodeText::previewNote(held.upperText().size()));
        const QString below = saidText(CodeText::previewNote(held.shownConversion().size()));
        previewNoteLabel->setText((above.isEmpty() ? QString() : tr("Above: %1").arg(above))
                                  + (above.isEmpty() || below.isEmpty() ? QString() : QStringLiteral(" "))
                                  + (below.isEmpty() ? QString() : tr("Below: %1").arg(below)));
    }
    if (changes & CodeSession::Controls) {
        convertPushButton->updateEnabledState();
        // Save, Copy and the details offer the code the lower pane shows,
        // and only while it shows one: with nothing there Save and Copy
        // would write an empty file or wipe the clipboard. The status bar
        // says what became of its segments, in a label of its own: a
        // menu's status tips would wipe a status message for good.
        savePushButton->setEnabled(held.canSave());
        actionCopyConvertedCode->setEnabled(held.canCopy());
        actionConversionDetails->setEnabled(held.canShowDetails());
        conversionSummaryLabel->setText(saidText(held.summary()));
    }
    if (changes & CodeSession::Message)
        showMessage(held.message());
}

// The session's words, through translate as every text of the window; a
// failure stays until the next step, anything else goes after a while.
void Ui_QVRtoMorvane::showMessage(const StepMessage &message)
{
    if (message.kind() == StepMessage::None) {
        statusbar->clearMessage();
        return;
    }
    statusbar->showMessage(saidText(message), message.failed() ? 0 : StepMessage::shownMilliseconds);
}

void Ui_QVRtoMorvane::showConvertedCode()
{
    const BusyCursor busy;
    showSession(convertPushButton->translateCode());
    morvaneCodeTextEdit->setReadOnly(true);
    morvaneCodeTextEdit->setEnabled(true);
}

void Ui_QVRtoMorvane::showConversionDetails(QMainWindow *window)
{
    if (!session().canShowDetails())
        return;
    QDialog dialog(window);
    Ui_ConversionDetails form;
    form.setupUi(&dialog);
    std::optional<ConversionDetailsView> view;
    {
        const BusyCursor busy;
        form.summaryLabel->setText(saidText(session().summary()));
        view.emplace(form, session().marked(), &dialog);
    }
    dialog.exec();
}

// Written whole through a temporary file, so an older, longer file never
// keeps a tail, and a failed save leaves it as it was and says so.
void Ui_QVRtoMorvane::saveConvertedCode(QMainWindow *window)
{
    const QString path = QFileDialog::getSaveFileName(window, tr("Save Code to File"), QString(), textFiles());
    if (path.isEmpty())
        return;
    const std::string name = StepMessage::fileName(path.toStdString());
    const std::optional<std::string> failure =
        CodeFile::write(systemPath(path), session().shownConversion(), CodeFile::Targets::RegularFiles);
    showSession(session().tell(failure ? StepMessage(StepMessage::NotSaved, {name, *failure})
                                       : StepMessage(StepMessage::Saved, {name})));
    if (failure) {
        QMessageBox::warning(window, tr("Save Code to File"),
                             tr("The code could not be saved to \"%1\":\n%2").arg(path, fromUtf8(*failure)));
    }
}

void Ui_QVRtoMorvane::clearCodes()
{
    showSession(convertPushButton->clearMText());
}

void Ui_QVRtoMorvane::pasteCode()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        showSession(session().tell(StepMessage(StepMessage::NothingToPaste)));
    else
        loadCodeText(text, fromUtf8(CodeSession::clipboardName));
}

void Ui_QVRtoMorvane::copyConvertedCode()
{
    try {
        QGuiApplication::clipboard()->setText(convertPushButton->mConvertedText());
        showSession(session().tell(StepMessage(StepMessage::Copied)));
    } catch (const std::bad_alloc &) {
        showSession(session().tell(StepMessage(StepMessage::NotCopied, {std::strerror(ENOMEM)})));
    }
}

void Ui_QVRtoMorvane::chooseSeveralCodes(QMainWindow *window)
{
    const QStringList paths = QFileDialog::getOpenFileNames(window, tr("Select the codes to convert"), QString(),
                                                            textFiles());
    if (!paths.isEmpty())
        convertSeveralCodes(window, paths);
}

// The codes go into a folder the user chooses, each under its own name
// (a folder's codes below the folder's name); a file there is replaced
// only on the user's word, asked once for all of them. The code the window
// holds, its panes and its buttons stay as they are.
void Ui_QVRtoMorvane::convertSeveralCodes(QMainWindow *window, const QStringList &paths)
{
    std::vector<CodeBatch::Input> inputs;
    for (const QString &path : paths) {
        const std::string source = systemPath(path);
        if (!CodeFile::isFolder(source)) {
            inputs.push_back({source, CodeFile::fileName(source)});
            continue;
        }
        for (CodeFile::FoundFile &found : CodeFile::codeFilesBelow(source))
            inputs.push_back({std::move(found.path), std::move(found.name)});
    }
    CodeBatch batch(std::move(inputs));
    if (batch.size() == 0) {
        QMessageBox::information(window, tr("Convert Several Codes"), saidText(batch.summary()));
        return;
    }
    const QString folder = QFileDialog::getExistingDirectory(window, tr("Choose a folder for the Morvane codes"));
    if (folder.isEmpty())
        return;

    int existing = 0;
    for (const CodeBatch::Item &item : batch.items())
        existing += CodeFile::identity(CodeFile::pathBelow(systemPath(folder), item.target)) ? 1 : 0;
    bool replaceExisting = false;
    if (existing > 0) {
        QMessageBox ask(QMessageBox::Question, tr("Convert Several Codes"),
                        tr("%n of these codes would replace a file of the same name in %1.", nullptr, existing)
                            .arg(QDir::toNativeSeparators(folder)),
                        QMessageBox::NoButton, window);
        QPushButton *replace = ask.addButton(tr("Replace Them"), QMessageBox::AcceptRole);
        QPushButton *skip = ask.addButton(tr("Skip Them"), QMessageBox::AcceptRole);
        ask.addButton(QMessageBox::Cancel);
        ask.setDefaultButton(skip);
        ask.exec();
        if (ask.clickedButton() != replace && ask.clickedButton() != skip)
            return;
        replaceExisting = ask.clickedButton() == replace;
    }

    QDialog dialog(window);
    Ui_BatchDialog form;
    form.setupUi(&dialog);
    const BatchView view(form, &dialog, std::move(batch), folder, replaceExisting);
    dialog.exec();
}
