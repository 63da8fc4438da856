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
                    + std::string(ConversionReport::fateName(entry.fate)) + ": " + entry.reason;
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
            {"summary", session.summary()},
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
