#include "conversiondetailsview.h"

#include "app/saidtext.h"
#include "forms/ui_conversiondetails.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <QTreeWidget>

#include <algorithm>

namespace {

using Fate = ConversionReport::Fate;

QString fateName(Fate fate)
{
    return saidText(ConversionReport::fateSaid(fate));
}

// Each fate has a line style of its own, so that colour is never all that
// tells them apart; the colours are lighter on a dark palette.
QColor colourOf(Fate fate)
{
    const bool dark = QApplication::palette().color(QPalette::Base).lightness() < 128;
    switch (fate) {
    case Fate::Changed: return dark ? QColor(0x8d, 0xb4, 0xff) : QColor(0x1f, 0x5f, 0xbf);
    case Fate::Renumbered: return dark ? QColor(0xd0, 0xa8, 0xff) : QColor(0x7b, 0x3f, 0xb5);
    case Fate::Dropped: return dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb3, 0x26, 0x1e);
    default: return QApplication::palette().color(QPalette::Text);
    }
}

QTextCharFormat formatOf(Fate fate)
{
    QTextCharFormat format;
    if (fate == Fate::Copied)
        return format;
    format.setForeground(colourOf(fate));
    format.setUnderlineColor(colourOf(fate));
    if (fate == Fate::Changed)
        format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    else if (fate == Fate::Renumbered)
        format.setUnderlineStyle(QTextCharFormat::DashUnderline);
    else
        format.setFontStrikeOut(true);
    return format;
}

QString describe(const ConversionReport::Entry &mark)
{
    return QStringLiteral("#%1 %2: %3: %4")
        .arg(mark.position)
        .arg(fromUtf8(mark.segment), fateName(mark.fate), saidText(mark.reason));
}

} // namespace

ConversionDetailsView::ConversionDetailsView(Ui_ConversionDetails &form, CodeSession::Marked marked, QObject *parent)
    : QObject(parent)
    , mForm(form)
    , mMarked(std::move(marked))
{
    for (std::size_t i = 0; i < mMarked.marks.size(); ++i)
        mMarkOfPosition[mMarked.marks[i].position] = i;
    fillLegend();
    mInCode = fillCode(mForm.codeTextEdit, mMarked.code);
    mInConversion = fillCode(mForm.conversionTextEdit, mMarked.conversion);
    fillList();
    for (QTextEdit *pane : {mForm.codeTextEdit, mForm.conversionTextEdit})
        pane->viewport()->installEventFilter(this);
    connect(mForm.segmentTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item && item->data(0, Qt::UserRole).isValid())
            showSegment(item->data(0, Qt::UserRole).toULongLong());
    });
    mForm.segmentTree->setFocus();
}

// The four counts, each in the style it is marked in and in words.
void ConversionDetailsView::fillLegend()
{
    static const char *const decorations[] = {"none", "underline", "underline", "line-through"};
    QStringList parts;
    for (int fate = Fate::Copied; fate <= Fate::Dropped; ++fate) {
        parts << QStringLiteral("<span style=\"color: %1; text-decoration: %2\">%3</span>: %4 (%5)")
                     .arg(colourOf(Fate(fate)).name(), QLatin1String(decorations[fate]), fateName(Fate(fate)))
                     .arg(mMarked.counts[std::size_t(fate)])
                     .arg(saidText(CodeSession::markStyle(Fate(fate))));
    }
    mForm.legendLabel->setText(parts.join(QStringLiteral(" &nbsp;·&nbsp; ")));
}

// The text goes in piece by piece, each marked segment in its fate's
// format: one pass over the start a pane shows, however many marks it holds.
std::vector<ConversionDetailsView::Place> ConversionDetailsView::fillCode(QTextEdit *pane,
                                                                           const std::vector<CodeSession::Piece> &pieces)
{
    std::vector<Place> places(mMarked.marks.size());
    QTextDocument *document = pane->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const CodeSession::Piece &piece : pieces) {
        if (!piece.mark) {
            cursor.insertText(fromUtf8(piece.text), QTextCharFormat());
            continue;
        }
        places[*piece.mark].start = cursor.position();
        cursor.insertText(fromUtf8(piece.text), formatOf(mMarked.marks[*piece.mark].fate));
        places[*piece.mark].end = cursor.position();
    }
    cursor.endEditBlock();
    pane->moveCursor(QTextCursor::Start);
    return places;
}

void ConversionDetailsView::fillList()
{
    QList<QTreeWidgetItem *> rows;
    for (const ConversionReport::Entry &entry : mMarked.entries) {
        auto *row = new QTreeWidgetItem({QStringLiteral("#%1").arg(entry.position), fromUtf8(entry.segment),
                                         fateName(entry.fate), saidText(entry.reason)});
        row->setData(0, Qt::UserRole, qulonglong(entry.position));
        row->setForeground(2, colourOf(entry.fate));
        rows << row;
    }
    if (mMarked.unlisted > 0)
        rows << new QTreeWidgetItem({QString(), saidText(CodeSession::moreUnlisted(mMarked.unlisted))});
    mForm.segmentTree->addTopLevelItems(rows);
    for (int column = 0; column < 3; ++column)
        mForm.segmentTree->resizeColumnToContents(column);
    if (rows.isEmpty())
        mForm.noteLabel->setText(saidText(CodeSession::allCopied()));
}

// The segment at position, marked in both codes and brought into view; or
// why it cannot be.
void ConversionDetailsView::showSegment(std::size_t position)
{
    const auto found = mMarkOfPosition.find(position);
    QString note;
    for (QTextEdit *pane : {mForm.codeTextEdit, mForm.conversionTextEdit}) {
        const std::vector<Place> &places = pane == mForm.codeTextEdit ? mInCode : mInConversion;
        QList<QTextEdit::ExtraSelection> selections;
        if (found != mMarkOfPosition.end() && places[found->second].start >= 0) {
            const Place &place = places[found->second];
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(pane->document());
            selection.cursor.setPosition(place.start);
            selection.cursor.setPosition(place.end, QTextCursor::KeepAnchor);
            selection.format.setBackground(pane->palette().color(QPalette::Highlight).lighter(170));
            selection.format.setProperty(QTextFormat::OutlinePen, QPen(pane->palette().color(QPalette::Highlight)));
            selections << selection;
            QTextCursor at(pane->document());
            at.setPosition(place.start);
            pane->setTextCursor(at);
            pane->ensureCursorVisible();
        }
        pane->setExtraSelections(selections);
    }
    if (found == mMarkOfPosition.end() || mInCode[found->second].start < 0)
        note = saidText(CodeSession::unshown(CodeSession::Unshown::BeyondCode, position));
    else if (!mMarked.marks[found->second].output)
        note = saidText(CodeSession::unshown(CodeSession::Unshown::Dropped, position));
    else if (mInConversion[found->second].start < 0)
        note = saidText(CodeSession::unshown(CodeSession::Unshown::BeyondConversion, position));
    mForm.noteLabel->setText(note);
}

const ConversionReport::Entry *ConversionDetailsView::markAt(const std::vector<Place> &places, int at) const
{
    for (std::size_t i = 0; i < places.size(); ++i)
        if (places[i].start >= 0 && at >= places[i].start && at < places[i].end)
            return &mMarked.marks[i];
    return nullptr;
}

// A marked segment says what became of it where the pointer rests on it.
bool ConversionDetailsView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const bool code = watched == mForm.codeTextEdit->viewport();
    QTextEdit *pane = code ? mForm.codeTextEdit : mForm.conversionTextEdit;
    const auto *help = static_cast<QHelpEvent *>(event);
    const int at = pane->cursorForPosition(help->pos()).position();
    if (const ConversionReport::Entry *mark = markAt(code ? mInCode : mInConversion, at))
        QToolTip::showText(help->globalPos(), describe(*mark), pane->viewport());
    else
        QToolTip::hideText();
    return true;
}
