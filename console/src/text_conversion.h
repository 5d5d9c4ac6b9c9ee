// How the console reads numbers and addresses typed into its edit boxes.
#pragma once

#include <string>

// Signed decimal: leading white space skipped, one optional sign, then the decimal digits up
// to the first other character; 0 without digits. No range check: the value wraps modulo
// 2^32 like the bridge's own status numbers. "0x10" gives 0, "12abc" gives 12.
int ToSignedDecimal(const char* text);

// A message address as exactly six characters: a longer text is cut to its first six, a
// shorter one right-aligned behind blanks (empty gives six blanks).
std::string SixCharacterAddress(const std::string& text);
