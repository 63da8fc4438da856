#ifndef CODEGENERATOR_H
#define CODEGENERATOR_H

#include <cstdint>
#include <random>
#include <string>

// Makes QVR codes that look like real ones: every rule's tags, many numbered
// segments, values of realistic length, and now and then a value that no
// rule expects. Seeded, so every run sees the same codes.
class CodeGenerator
{
public:
    explicit CodeGenerator(std::uint32_t seed) : mRandom(seed) {}

    // A whole code of about `size` bytes, headed "107**" or "106**".
    std::string code(std::size_t size);
    std::string segment();
    // Arbitrary bytes, rich in the separators and digits the rules look at.
    std::string noise(std::size_t size);

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(mRandom); }
    std::string number(int low, int high) { return std::to_string(between(low, high)); }
    std::string values(int count, int low, int high);
    std::string numbered(char letter, int count, int leadLimit);

    std::mt19937 mRandom;
};

#endif // CODEGENERATOR_H
