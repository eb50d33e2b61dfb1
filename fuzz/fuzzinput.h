#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// How the fuzzers turn bytes into typed entries. The first byte picks the encoding of the rest:
// '8' UTF-8 and 'W' UTF-16 (little-endian); any other byte makes every following byte one Latin-1
// character. The rest is cut into entries at every '|' byte (UTF-8, Latin-1) or at every U+FFFF
// unit (UTF-16), so that in UTF-16 every other character, '|' included, can stand in an entry.
// Missing entries are empty.
QStringList decodeEntries(const std::uint8_t *data, std::size_t size, int count);

// Prints what went wrong and the entries, then aborts, which libFuzzer reports as a crash and
// keeps the input.
[[noreturn]] void reportFault(const char *target, const QString &fault, const QString &entries);
