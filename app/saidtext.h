#ifndef SAIDTEXT_H
#define SAIDTEXT_H

#include "convert/stepmessage.h"

#include <QCoreApplication>
#include <QString>

// What the session or a batch says, in the user's words: the words through
// translate, as every text of the window, with the values in their places.
inline QString saidText(const StepMessage &message)
{
    const QByteArray words = QCoreApplication::translate("QVRtoMorvane", message.words().data()).toUtf8();
    return QString::fromStdString(StepMessage::fill(std::string_view(words.constData(), std::size_t(words.size())),
                                                    message.values()));
}

#endif // SAIDTEXT_H
