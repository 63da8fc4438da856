#ifndef CODEFILE_READING_H
#define CODEFILE_READING_H

#include "codefile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What reading a whole file is, whatever system the bytes come from; each
// system's file layer gives it one read step.
namespace CodeFile {

// One read of at most size bytes: how many came, 0 at the end, or -1 with
// the reason set.
using ReadStep = std::function<std::int64_t(char *into, std::size_t size, std::string &reason)>;

// Reads until the end, or until more than largestCode bytes have come; the
// first headBytes are judged by mayBeginCode before anything else is read.
// A regular file (its size known) is read into one buffer of its size. A
// stream of unknown length is read in blocks that double up to 64 MiB and
// are joined once at its end, so what it holds never exceeds what was read
// by more than a block.
Read readWhole(const ReadStep &readSome, std::optional<std::uint64_t> regularSize, HeadCheck mayBeginCode);

} // namespace CodeFile

#endif // CODEFILE_READING_H
