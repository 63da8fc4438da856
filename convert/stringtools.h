#ifndef STRINGTOOLS_H
#define STRINGTOOLS_H

#include <string>
#include <string_view>
#include <vector>

// Splitting and joining of 8-bit texts, shared by the conversion and by
// ConvertButton's customSplit/combine.
class StringTools
{
public:
    // Calls visit(piece) for every piece between separators, in order: one
    // piece more than there are separators, empty pieces included.
    template<typename Visit>
    static void forEachPiece(std::string_view text, char separator, Visit &&visit)
    {
        std::size_t start = 0;
        for (;;) {
            const std::size_t cut = text.find(separator, start);
            if (cut == std::string_view::npos) {
                visit(text.substr(start));
                return;
            }
            visit(text.substr(start, cut - start));
            start = cut + 1;
        }
    }

    // join(split(x, c), c) == x for every text x and character c.
    static std::vector<std::string> split(std::string_view text, char separator);

    // Pieces with one separator between neighbours; an empty list gives "".
    static std::string join(const std::vector<std::string> &pieces, std::string_view separator);
};

#endif // STRINGTOOLS_H
