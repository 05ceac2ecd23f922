#pragma once
// The archive speaks Unicode; the program holds only what Windows-1251 can.

#include <QString>

// The archive's text as the program keeps it: every character the code page
// lacks becomes "?" (a surrogate pair is one character, so one "?").
QString fromSearchText(const QString &text);
