#include "qvrcode.h"

#include <QMetaMethod>

qvrCode::qvrCode(QWidget *parent)
    : QTextEdit(parent)
{
}

// The pane's whole text may be megabytes, so it is only taken for someone
// listening.
void qvrCode::keyPressEvent(QKeyEvent *event)
{
    QTextEdit::keyPressEvent(event);
    static const QMetaMethod signal = QMetaMethod::fromSignal(&qvrCode::textChanged);
    if (isSignalConnected(signal))
        emit textChanged(toPlainText());
}
