#ifndef SAIDTEXT_H
#define SAIDTEXT_H

#include "convert/said.h"
#include "convert/stepmessage.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

// The core's bytes, UTF-8 as everywhere in it, as Qt's text.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What the core says (a step's message, a reason, a summary), in the user's
// words: its words through the catalogues, by their context, and each
// value the same, in their places. A text as it is stays as it is.
inline QString saidText(const Said &said)
{
    if (said.isText())
        return QString::fromStdString(said.text());
    const std::string context(said.context());
    const std::string words(said.words());
    const QString translated = QCoreApplication::translate(context.c_str(), words.c_str(), nullptr,
                                                           said.count() ? int(*said.count()) : -1);
    std::vector<std::string> values;
    for (const Said &value : said.values())
        values.push_back(saidText(value).toStdString());
    return QString::fromStdString(Said::fill(translated.toStdString(), values));
}

inline QString saidText(const StepMessage &message)
{
    return saidText(message.said());
}

#endif // SAIDTEXT_H
