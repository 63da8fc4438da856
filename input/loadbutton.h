#ifndef LOADBUTTON_H
#define LOADBUTTON_H

#include <QPushButton>

// The "LOAD QVR FILE" button. Loading itself is the window's load action,
// connected to the button's click.
class LoadButton : public QPushButton
{
    Q_OBJECT

public:
    explicit LoadButton(QWidget *parent = nullptr);

private slots:
    // Not connected to anything; reachable only through the meta-object
    // system. Asks for a file and logs the choice, nothing more.
    void loadFile();
};

#endif // LOADBUTTON_H
