#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// How the fuzzers turn bytes into typed entries: the bytes as UTF-8 (a byte that is not becomes
// U+FFFD), cut into entries at every '|'; missing entries are empty.
QStringList decodeEntries(const std::uint8_t *data, std::size_t size, int count);

// Prints what went wrong and the input, then aborts, which libFuzzer reports as a crash and keeps
// the input.
[[noreturn]] void reportFault(const char *target, const QString &fault, const QString &input);
