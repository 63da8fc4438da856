#ifndef BATCHTABLE_H
#define BATCHTABLE_H

#include <string>
#include <utility>
#include <vector>

// tests/data/batches.json, for the faces that run it in C++ (the converter
// and the window; the page reads it in JavaScript): each batch's files,
// what is handed to the face, and what becomes of each code.
class BatchTable
{
public:
    struct Batch
    {
        std::string title;
        std::vector<std::string> given; // below the batch's folder; "/" at the end: a folder
        // The name each code's conversion takes and its fate, in the
        // batch's order; for a batch of generated codes, every one
        // converted under its own name.
        std::vector<std::pair<std::string, std::string>> expected;
    };

    explicit BatchTable(const std::string &path);

    // Makes the batch's files in folder, as the table describes them.
    void write(std::size_t batch, const std::string &folder) const;

    std::vector<Batch> batches;

private:
    std::vector<std::string> mFiles; // each batch's "files" and "generate", as JSON text
};

#endif // BATCHTABLE_H
