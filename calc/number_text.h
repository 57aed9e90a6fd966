// Number texts as the program shows, reads and stores them.
//
// All reals are formatted from their decimal expansion with 18 significant digits (the precision
// of the 80-bit extended format) and rounded half away from zero on that expansion, so the same
// value always yields the same text whatever the C library's rounding mode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace phonikon {

// Fixed notation after rounding to at most `precision` significant digits and at most `decimals`
// decimals (the coarser limit wins); exactly `decimals` decimals are written. A value whose integer
// part has more than `precision` digits is written in exponent notation ("1,23E+03").
std::string FormatFixed(long double x, int precision, int decimals, char sep);

// The general form: at most 15 significant digits, trailing zeros dropped, exponent notation only
// for very large (more than 15 integer digits) or very small (below 0.00001) values.
std::string FormatGeneral(long double x, char sep);

// The result label form: three significant digits, one decimal, then " [dB]".
std::string FormatResultLabel(long double x, char sep);

// Text to real in the user's notation: optional blanks, sign, digits with at most one `sep`,
// optional exponent, optional blanks. Nothing else (no "nan", "inf", hexadecimal or grouping).
// Values outside the extended range fail as well.
std::optional<long double> ParseReal(std::string_view text, char sep);

// "'%s' ist kein gültiger Fließkommawert" with the text in place of %s.
std::string InvalidRealMessage(std::string_view text);

// Whole-number conversion: optional leading blanks, optional sign, decimal digits (or "$" and
// hexadecimal digits) up to the end of the text, within the 32-bit signed range.
std::optional<int> ParseInt(std::string_view text);

// A double with 17 significant digits in C notation ("50.994677385466788", "1.5e-07"), exactly
// as printf's "%.17g" writes it; for machine-readable output.
std::string FormatDouble17(double x);

// The forms of the project file (always "." as separator).
std::string FileFix(long double x, int width, int decimals);  // Fix(w,d)
std::string FileInt5(long long v);                            // right-aligned in 5 characters
std::string FileInt(long long v);
std::string FileBool(bool b);  // "TRUE" / "FALSE"

// Tokens of the project file: a real with "." (sign, exponent allowed) or a whole number
// (decimal or "$" hexadecimal). Fail on anything else or on overflow.
std::optional<long double> ParseFileReal(std::string_view token);
std::optional<long long> ParseFileInt(std::string_view token);

namespace detail {
// FormatFixed and FormatGeneral always through the full 18-digit expansion (both take a shortcut
// for everyday values; the tests hold each pair together).
std::string FormatFixedAusEntwicklung(long double x, int precision, int decimals, char sep);
std::string FormatGeneralAusEntwicklung(long double x, char sep);
}  // namespace detail

}  // namespace phonikon
