#pragma once
// Reading a number typed by hand or stored in the tag database: blanks before it, a sign, then digits.

#include <QString>

// Skips the spaces and tabs before a number and its sign; returns where its digits start and whether it is
// negative.
qsizetype NumberStart(const QString& text, bool& negative);

// Numeric field reading of the tag database: leading blanks skipped, the longest leading decimal number
// (optionally signed), empty or non-numeric text reads 0.
int LeadingNumber(const QString& text);
