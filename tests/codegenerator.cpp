#include "codegenerator.h"

#include <array>

std::string CodeGenerator::code(std::size_t size)
{
    std::string code = between(0, 1) ? "107**" : "106**";
    code += segment();
    while (code.size() < size) {
        code += '_';
        code += segment();
    }
    return code;
}

std::string CodeGenerator::values(int count, int low, int high)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += '.';
        text += number(low, high);
    }
    return text;
}

// Mostly within the family's ranges, sometimes just beyond them.
std::string CodeGenerator::numbered(char letter, int count, int leadLimit)
{
    std::string slot = number(10, 99);
    const int valueLimit = between(0, 9) == 0 ? 60 : 5;
    return letter + slot + number(0, leadLimit + 10) + values(count - 1, 0, valueLimit);
}

std::string CodeGenerator::segment()
{
    static const std::array<const char *, 12> plainTags = {"ab", "ca", "ci", "cd", "ch", "hx", "fa", "fv", "zz", "ia", "ka", "qa"};
    switch (between(0, 13)) {
    case 0: return "aa" + number(0, 9) + values(between(1, 8), 0, 99);
    case 1: return "bc" + number(0, 9) + values(between(2, 9), 0, 99);
    case 2: return "hc" + number(0, 99) + values(between(0, 6), 0, 999);
    case 3: return "hd" + number(0, 9) + values(between(0, 4), 0, 99);
    case 4: return "fd" + number(0, 9) + values(between(0, 4), 0, 99);
    case 5:
    case 6: return numbered('m', between(5, 9), 122);
    case 7: return numbered('r', between(2, 6), 86);
    case 8: return numbered('s', between(14, 18), 100);
    case 9: return numbered('t', between(2, 5), 57);
    case 10: {
        static const std::array<const char *, 4> exact = {"m00", "r00", "s00", "t00"};
        return exact[std::size_t(between(0, 3))];
    }
    case 11: {
        // Odd text inside one segment, as a text file would hold it: no '_',
        // no carriage return a reader would drop, no broken UTF-8.
        std::string odd = noise(std::size_t(between(1, 12)));
        for (char &c : odd)
            if (c == '_' || c == '\r' || (c & 0x80))
                c = '.';
        return odd;
    }
    default: return plainTags[std::size_t(between(0, int(plainTags.size()) - 1))] + number(0, 9999) + values(between(0, 6), 0, 9999);
    }
}

std::string CodeGenerator::noise(std::size_t size)
{
    static const std::string alphabet = "__...0123456789-+ \n\rmrstachfdvbx\xc3\xa9\x80";
    std::string text;
    for (std::size_t i = 0; i < size; ++i)
        text += alphabet[std::size_t(between(0, int(alphabet.size()) - 1))];
    return text;
}
