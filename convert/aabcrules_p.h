#ifndef AABCRULES_P_H
#define AABCRULES_P_H

#include <string_view>

class ConversionPass;

// The two rules chosen by tag before anything else. Neither drops its
// segment: the result always holds at least value 0.
namespace AaBcRules {

// aa: the last two values go.
void aa(ConversionPass &pass, std::string_view segment);
// bc: value 2 becomes "8" and value 4 becomes "0".
void bc(ConversionPass &pass, std::string_view segment);

} // namespace AaBcRules

#endif // AABCRULES_P_H
