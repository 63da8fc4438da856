#include "aabcrules.h"

#include "valuelist.h"

void AaBcRules::aa(std::string_view segment, ValueList &values, std::string &out)
{
    values.split(segment);
    // Dropping two values from fewer than three would leave nothing to join:
    // such a segment goes through as it came.
    if (values.size() < 3) {
        out += segment;
        return;
    }
    values.dropLast(2);
    values.appendJoined(out);
}

void AaBcRules::bc(std::string_view segment, ValueList &values, std::string &out)
{
    values.split(segment);
    // Without a value 4 there is nothing to rewrite safely.
    if (values.size() < 5) {
        out += segment;
        return;
    }
    values.replace(2, "8");
    values.replace(4, "0");
    values.appendJoined(out);
}
