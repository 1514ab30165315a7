#pragma once
// Reads a number typed into a text box: decimal, '.' as the decimal point
// whatever the desktop's language, an optional sign, optional blanks around it.
// Anything else ("", "abc", "1,5", "2x") is no number.

#include <optional>
#include <string>

std::optional<double> ReadNumber(const std::string& text);
