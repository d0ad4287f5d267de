#pragma once
// Windows-1252, the code page of every data file, to and from UTF-8, the
// encoding of the CSV files Fairwick exchanges with spreadsheets. No Qt: the
// core converts on its own; the windows' conversion to QString reads the same table.

#include <string>
#include <string_view>

namespace fw {

// Every byte 0x00-0xFF has a character: the 27 specials of 0x80-0x9F (the euro
// sign, curly quotes, ...) their own, and the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) the control characters of the same
// value, as Windows maps them. So no text is ever lost on the way out.
std::string Cp1252ToUtf8(std::string_view bytes);

// The character of one byte, as Cp1252ToUtf8 reads it.
char16_t Cp1252Character(unsigned char byte);
// The byte of a character, or -1 when the code page has none.
int Cp1252Byte(char32_t c);

// The Windows-1252 bytes of UTF-8 text; Cp1252ToUtf8 undone exactly. Raises
// ConversionError naming the first character the code page lacks
// ("The character U+03A9 is not one of the Windows-1252 characters Fairwick's
// files hold.") or the first byte that is not UTF-8.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace fw
