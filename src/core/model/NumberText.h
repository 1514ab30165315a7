#pragma once
// Reads a number typed into a text box: decimal, '.' as the decimal point
// whatever the desktop's language, an optional sign, optional blanks around it.
// An exponent is allowed ("1e3" is 1000). Anything else ("", "abc", "1,5",
// "2x", "inf") is no number; so is one too large for a double.

#include <optional>
#include <string>

std::optional<double> ReadNumber(const std::string& text);
