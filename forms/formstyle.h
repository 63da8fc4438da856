#ifndef FORMSTYLE_H
#define FORMSTYLE_H

#include <QFont>
#include <QSizePolicy>

class QTextEdit;
class QWidget;

// Property steps the forms share.
class FormStyle
{
public:
    // Keeps the widget's own height-for-width flag, as a form does.
    static void setSizePolicy(QWidget *widget, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical,
                              int horizontalStretch = 0, int verticalStretch = 0);
    // Resized to size and held there: the dialog cannot be resized.
    static void fixSize(QWidget *dialog, QSize size);
    // The Help and About font; where the family is missing, a narrow free
    // face of like width stands in, at the same point size.
    static QFont erasFont(int pointSize);
    // A pane that shows a code, set up to lay it out once and cheaply.
    static void prepareCodePane(QTextEdit *pane);
};

#endif // FORMSTYLE_H
