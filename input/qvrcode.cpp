#include "qvrcode.h"

qvrCode::qvrCode(QWidget *parent)
    : QTextEdit(parent)
{
}

void qvrCode::keyPressEvent(QKeyEvent *event)
{
    QTextEdit::keyPressEvent(event);
    emit textChanged(toPlainText());
}
