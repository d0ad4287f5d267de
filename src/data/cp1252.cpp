#include "data/cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "data/convert.h"

namespace fw {
namespace {

// Unicode of the bytes 0x80 to 0x9F. The five bytes without a character keep
// their own value (U+0081 and so on).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

[[noreturn]] void ThrowNotUtf8(unsigned char byte) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(byte));
  throw ConversionError(std::string("The text is not UTF-8: the byte ") + hex +
                        " does not belong where it stands.");
}

// The character that starts at `p` (which is before `end`); moves `p` behind
// it. Refuses overlong forms, surrogates and values beyond U+10FFFF, as
// UTF-8 does.
char32_t NextCharacter(const unsigned char*& p, const unsigned char* end) {
  const unsigned char lead = *p;
  if (lead < 0x80) {
    ++p;
    return lead;
  }
  int more;
  char32_t c;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    more = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    more = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    more = 3, c = lead & 0x07, least = 0x10000;
  } else {
    ThrowNotUtf8(lead);
  }
  if (end - p <= more) ThrowNotUtf8(lead);
  for (int k = 1; k <= more; ++k) {
    if ((p[k] & 0xC0) != 0x80) ThrowNotUtf8(p[k]);
    c = (c << 6) | (p[k] & 0x3F);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) ThrowNotUtf8(lead);
  p += more + 1;
  return c;
}

}  // namespace

char16_t Cp1252Character(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : byte;
}

int Cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (unsigned char b : bytes) AppendUtf8(out, Cp1252Character(b));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* const end = p + utf8.size();
  while (p < end) {
    const char32_t c = NextCharacter(p, end);
    const int b = Cp1252Byte(c);
    if (b < 0) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
      throw ConversionError(std::string("The character ") + code +
                            " is not one of the Windows-1252 characters Fairwick's files hold.");
    }
    out += static_cast<char>(b);
  }
  return out;
}

}  // namespace fw
