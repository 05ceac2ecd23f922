#pragma once
// The whole-number conversion that sorting and the annotation reader share.

#include <QString>
#include <optional>

// Leading spaces, an optional sign, then decimal digits or hexadecimal digits
// after "$" or "0x"; nothing may follow. The value must fit a signed 32-bit int.
std::optional<int> tryStrToInt(const QString &text);

// As tryStrToInt, failing with "'<text>' is not a valid integer value".
int StrToInt(const QString &text);

// True when the text is exactly the decimal form that converting its value
// back would give (no sign "+", no leading zeros, no spaces, no hex).
bool isCanonicalInt(const QString &text);
