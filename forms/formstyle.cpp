#include "formstyle.h"

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

QFont FormStyle::erasFont(int pointSize)
{
    QFont font;
    font.setFamilies({QString::fromUtf8("Eras Medium ITC")});
    font.setPointSize(pointSize);
    return font;
}
