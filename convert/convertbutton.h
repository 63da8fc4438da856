#ifndef CONVERTBUTTON_H
#define CONVERTBUTTON_H

#include "convert/codesession.h"

#include <QPushButton>
#include <QString>

#include <string>
#include <vector>

// The "CONVERT QVR TO MORVANE" button, and the window's handle on what the
// user holds: the session (codesession.h) lives here, as long as the window,
// and everything the window shows of a code is read from it.
class ConvertButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ConvertButton(QWidget *parent = nullptr);

    CodeSession &session() { return mSession; }
    const CodeSession &session() const { return mSession; }

    // The code shown above, and the conversion shown below; null when the
    // pane shows none.
    QString mText() const;
    QString mConvertedText() const;
    // Whether the upper pane shows a code that converts.
    bool isValidFile() const;
    // Forgets every code; returns what changed (CodeSession::Change).
    unsigned clearMText();

    static std::vector<std::string> customSplit(std::string text, char separator);
    static std::string combine(std::vector<std::string> pieces, const std::string &separator);

signals:
    // Hides QAbstractButton::clicked(bool): connect to the base signal by its
    // full name. Never emitted.
    void clicked(const QString &code);

public slots:
    // On exactly while a click would show the conversion of the code shown
    // above.
    void updateEnabledState();
    // The click itself: the conversion of the code above is shown below.
    // Returns what changed (CodeSession::Change), for the window to show.
    unsigned translateCode();

private:
    CodeSession mSession;
};

#endif // CONVERTBUTTON_H
