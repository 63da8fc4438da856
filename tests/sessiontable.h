#ifndef SESSIONTABLE_H
#define SESSIONTABLE_H

#include <map>
#include <string>
#include <vector>

// tests/data/session-sequences.json, read once for every face that runs it
// (the session itself, the window; the page reads it in JavaScript): the
// files, and the sequences of steps with what each step changes.
class SessionTable
{
public:
    using State = std::map<std::string, std::string>;

    struct Step
    {
        std::vector<std::string> words; // the step and its files
        State expected;                 // what it changes, and what it gives once
    };
    struct Sequence
    {
        std::string title;
        std::vector<Step> steps;
    };

    // The table in the source tree, or the generated sequences of the
    // window's test (the same form), from path.
    explicit SessionTable(const std::string &path);

    std::map<std::string, std::string> files;
    std::vector<Sequence> sequences;

    // Everything empty and off.
    static State startState();
    static bool isPersistent(const std::string &key) { return startState().count(key) != 0; }
    // What a pane shows of a text (a long code shows its start).
    static std::string shownPart(const std::string &key, const std::string &value);
    // A message as the table gives it: why a file could not be read is
    // each system's own.
    static std::string comparableMessage(const std::string &message);
    // The first difference between what a step should have made and what a
    // face shows, as a sentence; nothing when they agree.
    static std::string difference(const State &expected, const State &seen);
};

#endif // SESSIONTABLE_H
