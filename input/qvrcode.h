#ifndef QVRCODE_H
#define QVRCODE_H

#include <QTextEdit>

// The input pane. After every key press that reaches it, whether or not the
// text changed, it announces its whole plain text. Nothing in the window
// listens: the pane is read-only, so a key changes no code, and what
// Convert may do is the session's (convert/codesession.h).
class qvrCode : public QTextEdit
{
    Q_OBJECT

public:
    explicit qvrCode(QWidget *parent = nullptr);

signals:
    // Hides QTextEdit::textChanged(); sent only after key presses, never
    // when the program sets the text.
    void textChanged(const QString &newText);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

#endif // QVRCODE_H
