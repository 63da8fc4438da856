// The session itself, without a face: every sequence of
// tests/data/session-sequences.json run against CodeSession, step by step,
// each step taken as the faces take it (a file judged by its first bytes
// before it is read, a paste named "(clipboard)"), with the whole state
// checked after each. A fault in the session's rules shows here first; the
// window's and the page's runs of the table check what is theirs.
#include "sessiontable.h"

#include "convert/codesession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

const SessionTable &table()
{
    static const SessionTable table(QVRTOMORVANE_SOURCE_DIR "/tests/data/session-sequences.json");
    return table;
}

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

class SessionSequence : public testing::TestWithParam<std::size_t>
{
protected:
    CodeSession session;

    // A file's bytes loaded as the faces load them.
    void loadFile(CodeSession::Ticket ticket, const std::string &name)
    {
        const std::string &bytes = table().files.at(name);
        if (!CodeText::mayBeginCode(std::string_view(bytes).substr(0, CodeText::headBytes)))
            session.refuseCode(ticket, name);
        else
            session.load(ticket, bytes, name);
    }

    // Does one step and says what it gave once.
    SessionTable::State perform(const std::vector<std::string> &words)
    {
        const std::string &step = words.front();
        SessionTable::State once;
        if (step == "load" || step == "drop") {
            loadFile(session.startLoad(), words.at(1));
        } else if (step == "drops") {
            // The second is taken before the first is read.
            const CodeSession::Ticket first = session.startLoad();
            loadFile(session.startLoad(), words.at(2));
            loadFile(first, words.at(1));
        } else if (step == "paste") {
            const std::string &text = table().files.at(words.at(1));
            if (text.empty())
                session.tell(StepMessage(StepMessage::NothingToPaste));
            else
                session.load(session.startLoad(), text, CodeSession::clipboardName);
        } else if (step == "unreadable") {
            session.refuseUnreadable(session.startLoad(), "unreadable.txt", "it cannot be read");
        } else if (step == "cancel") {
            session.cancel();
        } else if (step == "convert") {
            session.convert();
        } else if (step == "save") {
            once["saved"] = session.canSave() ? session.shownConversion() : "-";
            if (session.canSave()) {
                once["saved-as"] = session.saveName();
                session.tell(StepMessage(StepMessage::Saved, {session.saveName()}));
            }
        } else if (step == "copy") {
            once["copied"] = session.canCopy() ? session.shownConversion() : "-";
            if (session.canCopy())
                session.tell(StepMessage(StepMessage::Copied));
        } else if (step == "details" && session.canShowDetails()) {
            // The list the faces show, a row per segment not copied, and
            // one more for those not listed.
            const CodeSession::Marked marked = session.marked();
            const auto line = [](const ConversionReport::Entry &entry) {
                return "#" + std::to_string(entry.position) + " " + entry.segment + ": "
                    + std::string(ConversionReport::fateName(entry.fate)) + ": " + entry.reason.text();
            };
            once["details-lines"] = std::to_string(marked.entries.size() + (marked.unlisted ? 1 : 0));
            once["details-first"] = marked.entries.empty() ? std::string("Every segment was copied as it was.")
                                                            : line(marked.entries.front());
        } else if (step == "clear") {
            session.clear();
        } else if (step != "details") {
            ADD_FAILURE() << "unknown step " << step;
        }
        return once;
    }

    SessionTable::State observe() const
    {
        return {
            {"upper", std::string(CodeText::preview(session.upperText()))},
            {"placeholder", std::string(session.placeholder())},
            {"path", session.source()},
            {"lower", std::string(CodeText::preview(session.shownConversion()))},
            {"summary", session.summary().text()},
            {"message", SessionTable::comparableMessage(session.message().text())},
            {"convert", onOff(session.canConvert())},
            {"save", onOff(session.canSave())},
            {"copy", onOff(session.canCopy())},
            {"details", onOff(session.canShowDetails())},
        };
    }
};

TEST_P(SessionSequence, DoesWhatTheTableSays)
{
    const SessionTable::Sequence &sequence = table().sequences.at(GetParam());
    SessionTable::State expected = SessionTable::startState();
    for (const SessionTable::Step &step : sequence.steps) {
        SessionTable::State seen = perform(step.words);
        seen.merge(observe());
        for (const auto &[key, value] : step.expected)
            expected[key] = value;
        const std::string difference = SessionTable::difference(expected, seen);
        std::string words;
        for (const std::string &word : step.words)
            words += (words.empty() ? "" : " ") + word;
        EXPECT_EQ(difference, "") << sequence.title << ": " << words;
        std::erase_if(expected, [](const auto &entry) { return !SessionTable::isPersistent(entry.first); });
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SessionSequence, testing::Range(std::size_t(0), table().sequences.size()),
                         [](const testing::TestParamInfo<std::size_t> &info) {
                             std::string name = std::to_string(info.param) + "_";
                             for (const char c : table().sequences.at(info.param).title)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace

namespace {

// A text shared into the page, as a chat hands it over: the code it holds
// among other words, when it holds exactly one; else the text as it is,
// refused or not as a paste is.
struct SharedText
{
    const char *title;
    std::string text;
    std::string upper; // what the upper pane shows
    std::string message;
};

const std::string example = "107**aa1.2.3_bc4.5.6.7.8";
const std::string refused = "The file you provided is not a valid QVR file!!";

class ShareIntoTheSession : public testing::TestWithParam<SharedText>
{
};

TEST_P(ShareIntoTheSession, TakesTheOneCodeItHolds)
{
    CodeSession session;
    session.loadShared(session.startLoad(), GetParam().text);
    EXPECT_EQ(session.upperText(), GetParam().upper);
    EXPECT_EQ(session.message().text(), GetParam().message);
    EXPECT_EQ(session.source(), session.upper() == CodeSession::Upper::Code ? "(shared)" : "");
    if (session.upper() == CodeSession::Upper::Code) {
        session.convert();
        EXPECT_EQ(session.saveName(), "morvane-code.txt");
    }
}

const std::string found = "Loaded the QVR code found in the shared text.";
const std::string notACode = "The shared text is not a QVR code: it does not begin with 106 or 107.";

INSTANTIATE_TEST_SUITE_P(
    Messages, ShareIntoTheSession,
    testing::Values(
        SharedText{"code_alone", example, example, "Loaded the shared code."},
        SharedText{"code_alone_with_line_ends", "\n" + example + "\r\n", example, "Loaded the shared code."},
        SharedText{"among_words", "my character: " + example + " have fun", example, found},
        SharedText{"on_a_line_of_its_own", "look!\n" + example + "\nbye", example, found},
        SharedText{"in_quotes_ending_a_sentence", "try \"" + example + "\", it works", example, found},
        SharedText{"in_brackets_after_a_no_break_space", "code:\xc2\xa0(" + example + ")!", example, found},
        SharedText{"in_guillemets", "\xc2\xab" + example + "\xc2\xbb", example, found},
        SharedText{"a_dot_stays_the_code_s", "mine: " + example + ".", example + ".", found},
        SharedText{"inside_a_word_is_no_code", "id" + example + " ok", refused, notACode},
        SharedText{"two_codes", "either " + example + " or 106**zz1", refused, notACode},
        // As a paste would be: a code whose last segment runs on.
        SharedText{"a_code_then_words", example + " or 106**zz1", example + " or 106**zz1", "Loaded the shared code."},
        SharedText{"no_code", "see you tomorrow", refused, notACode},
        SharedText{"a_version_without_a_code", "version 107 is out", refused, notACode},
        SharedText{"only_a_refused_code", "108**aa1.2.3", refused, notACode},
        SharedText{"code_with_an_empty_segment_among_words", "here 107**aa1__bc2 ok", refused, notACode}),
    [](const testing::TestParamInfo<SharedText> &info) { return std::string(info.param.title); });

} // namespace
