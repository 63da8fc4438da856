#include "formstyle.h"

#include <QTextEdit>
#include <QWidget>

void FormStyle::setSizePolicy(QWidget *widget, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical,
                              int horizontalStretch, int verticalStretch)
{
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(horizontalStretch);
    policy.setVerticalStretch(verticalStretch);
    policy.setHeightForWidth(widget->sizePolicy().hasHeightForWidth());
    widget->setSizePolicy(policy);
}

void FormStyle::fixSize(QWidget *dialog, QSize size)
{
    dialog->resize(size);
    setSizePolicy(dialog, QSizePolicy::Fixed, QSizePolicy::Fixed);
    dialog->setMinimumSize(size);
    dialog->setMaximumSize(size);
}

// "Eras Medium ITC" is seldom installed outside Windows, and the toolkit's
// own stand-in, a wide sans, cut the Help window's lines off at its right
// edge. A narrow free face of about Eras's width stands in for it instead:
// Liberation Sans Narrow (Debian's fonts-liberation), or Arial Narrow where
// that is what the system has. Where Eras itself is installed it is used.
QFont FormStyle::erasFont(int pointSize)
{
    static const QString family = QString::fromUtf8("Eras Medium ITC");
    static const bool substituted = [] {
        QFont::insertSubstitutions(family, {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font;
    font.setFamilies({family});
    font.setPointSize(pointSize);
    return font;
}

// Codes are one long line without blanks, often megabytes of it: wrapping
// anywhere keeps the layout linear in its length (word wrap makes it
// quadratic); a scroll bar that is always there keeps the width from
// changing when a long code needs it, which would lay it all out again; and
// letters, digits and dots need no kerning or ligatures, whose shaping was
// half the layout's time.
void FormStyle::prepareCodePane(QTextEdit *pane)
{
    pane->setWordWrapMode(QTextOption::WrapAnywhere);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = pane->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    pane->setFont(font);
}
