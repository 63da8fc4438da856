#ifndef SAID_H
#define SAID_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Marks words for the translation catalogues where they stand, as Qt's
// QT_TRANSLATE_NOOP does (lupdate takes them as it takes that): the core has
// no Qt, but its words are the faces' to translate. QVR_TR_N marks words
// with a count ("%n") in their plural English form, which is what the
// catalogues translate, as QT_TRANSLATE_N_NOOP does.
#define QVR_TR(context, words) words
#define QVR_TR_N(context, words) words

// Words the core says to people, as a face shows them: words with "%1",
// "%2", ... where values go, and "%n" where a count goes, and their
// values, each one words of their own or a text as it is (a name, a
// number). The core writes them in English (text()); a face that speaks
// another language translates the words, by their context, and then each
// value, and fills them in (the window through Qt's catalogues, the page
// through the same catalogues made into its own).
class Said
{
public:
    Said() = default;
    // A text as it is, translated by no one: a file's name, a segment.
    Said(std::string text);
    Said(const char *text) : Said(std::string(text)) {}
    // Words of a context, with their values.
    Said(const char *context, const char *words, std::vector<Said> values = {});
    // Counted words: many (marked QVR_TR_N) is what the catalogues
    // translate, one the English singular the core says itself.
    Said(const char *context, const char *many, const char *one, std::int64_t count, std::vector<Said> values = {});

    // Empty for a text as it is.
    std::string_view context() const { return mContext; }
    // The words a catalogue translates, or the text as it is.
    std::string_view words() const { return mWords; }
    const std::vector<Said> &values() const { return mValues; }
    const std::optional<std::int64_t> &count() const { return mCount; }
    bool isText() const { return mContext.empty(); }

    // In English, values in their places.
    std::string text() const;

    // Puts each value where its "%n" stands ("%1" to "%9"), and count where
    // "%n" stands, in one pass, so that a value holding "%2" stays as it
    // is.
    static std::string fill(std::string_view words, const std::vector<std::string> &values,
                            std::optional<std::int64_t> count = std::nullopt);

private:
    std::string_view mContext;
    std::string mWords;
    std::string_view mOne; // the English singular of counted words
    std::vector<Said> mValues;
    std::optional<std::int64_t> mCount;
};

#endif // SAID_H
