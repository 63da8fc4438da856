#ifndef AABCRULES_P_H
#define AABCRULES_P_H

#include <string_view>

class ConversionPass;

// The two rules chosen by tag before anything else (fixedrules_p.h holds
// their numbers). Neither drops its segment: the result always holds at
// least value 0.
namespace AaBcRules {

// aa: the last values go.
void aa(ConversionPass &pass, std::string_view segment);
// bc: fixed values take the place of some.
void bc(ConversionPass &pass, std::string_view segment);

} // namespace AaBcRules

#endif // AABCRULES_P_H
