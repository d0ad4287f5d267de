#pragma once
// A text of fixed room, held inline: the record fields of the data files each
// have a room of a few characters, so a record made of these is one flat block
// that is copied, compared and parsed without any allocation.
//
// Every assignment fits the text to the room the way the files store a field:
// up to its first NUL, then at most Room characters. Reading gives a
// std::string_view; str() gives a std::string.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace fw {

template <std::size_t Room>
class FixedText {
  static_assert(Room > 0 && Room < 256, "the length is kept in one byte");

 public:
  static constexpr std::size_t kRoom = Room;

  constexpr FixedText() = default;
  FixedText(std::string_view text) { assign(text); }               // NOLINT: implicit on purpose
  FixedText(const std::string& text) { assign(text); }             // NOLINT
  FixedText(const char* text) { assign(std::string_view(text)); }  // NOLINT

  FixedText& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  FixedText& operator=(const std::string& text) { return *this = std::string_view(text); }
  FixedText& operator=(const char* text) { return *this = std::string_view(text); }

  // Fitted as described above.
  void assign(std::string_view text) {
    std::size_t n = text.size() < Room ? text.size() : Room;
    const void* nul = n ? std::memchr(text.data(), '\0', n) : nullptr;
    if (nul) n = static_cast<std::size_t>(static_cast<const char*>(nul) - text.data());
    AssignFitted(text.data(), n);
  }

  // The first n characters at p, which the caller knows hold no NUL and fit
  // the room: the parser's fast path. The text may be part of this one.
  void AssignFitted(const char* p, std::size_t n) {
    if (n) std::memmove(buf_, p, n);
    len_ = static_cast<std::uint8_t>(n);
  }

  // As AssignFitted, with a copy of fixed size: the caller knows the Room
  // characters at p can all be read (only the first n count) and lie outside
  // this text.
  void AssignFromBlock(const char* p, std::size_t n) {
    std::memcpy(buf_, p, Room);
    len_ = static_cast<std::uint8_t>(n);
  }

  void clear() { AssignFitted(nullptr, 0); }

  std::size_t size() const { return len_; }
  std::size_t length() const { return len_; }
  bool empty() const { return len_ == 0; }
  const char* data() const { return buf_; }
  char operator[](std::size_t i) const { return buf_[i]; }
  const char* begin() const { return buf_; }
  const char* end() const { return buf_ + len_; }

  std::string_view view() const { return std::string_view(buf_, len_); }
  std::size_t find(std::string_view what, std::size_t pos = 0) const {
    return view().find(what, pos);
  }
  std::size_t find(char c, std::size_t pos = 0) const { return view().find(c, pos); }
  std::string_view substr(std::size_t pos, std::size_t n = std::string_view::npos) const {
    return view().substr(pos, n);
  }
  operator std::string_view() const { return view(); }  // NOLINT: implicit on purpose
  std::string str() const { return std::string(buf_, len_); }

  // Against any other text; two FixedTexts compare through the templates below.
  friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
  friend auto operator<=>(const FixedText& a, std::string_view b) { return a.view() <=> b; }

  friend std::string operator+(const FixedText& a, std::string_view b) {
    std::string s(a.view());
    s += b;
    return s;
  }
  friend std::string operator+(std::string a, const FixedText& b) {
    a += b.view();
    return a;
  }
  friend std::string operator+(const char* a, const FixedText& b) { return std::string(a) + b; }
  friend std::ostream& operator<<(std::ostream& os, const FixedText& t) { return os << t.view(); }

 private:
  char buf_[Room] = {};  // the first len_ characters count; no NUL ends them
  std::uint8_t len_ = 0;
};

template <std::size_t A, std::size_t B>
bool operator==(const FixedText<A>& a, const FixedText<B>& b) {
  return a.view() == b.view();
}
template <std::size_t A, std::size_t B>
auto operator<=>(const FixedText<A>& a, const FixedText<B>& b) {
  return a.view() <=> b.view();
}

}  // namespace fw
