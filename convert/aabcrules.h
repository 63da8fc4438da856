#ifndef AABCRULES_H
#define AABCRULES_H

#include <string>
#include <string_view>

class ValueList;

// The two rules chosen by tag before anything else. Each appends its
// segment result to out; neither drops its segment.
class AaBcRules
{
public:
    // aa: the last two values go.
    static void aa(std::string_view segment, std::string &out);
    // bc: value 2 becomes "8" and value 4 becomes "0".
    static void bc(std::string_view segment, ValueList &values, std::string &out);
};

#endif // AABCRULES_H
