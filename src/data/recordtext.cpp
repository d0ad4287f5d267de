#include "data/recordtext.h"

#include <cstring>

namespace fw {
namespace {

std::string_view UpToNul(std::string_view text) {
  const void* nul = std::memchr(text.data(), '\0', text.size());
  if (nul)
    text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
  return text;
}

}  // namespace

bool LineCursor::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const char* p = rest_.data();
  const std::size_t size = rest_.size();
  std::size_t len = 0;
  while (len < size && p[len] != '\n' && p[len] != '\r') ++len;
  line = rest_.substr(0, len);
  std::size_t end = len;
  if (end < size) end += (p[end] == '\r' && end + 1 < size && p[end + 1] == '\n') ? 2 : 1;
  rest_.remove_prefix(end);
  return true;
}

void StoreField(std::string& dst, std::string_view collected, std::size_t room) {
  std::string_view value = UpToNul(collected);
  if (value.size() > room) value = value.substr(0, room);
  dst.assign(value.data(), value.size());
}

void AppendField(std::string& out, std::string_view text, std::size_t room) {
  std::string_view value = UpToNul(text);
  if (value.size() > room) value = value.substr(0, room);
  for (char c : value) out += (c == '~' || c == '\r' || c == '\n') ? ' ' : c;
  out += '~';
}

bool TextLess(std::string_view a, std::string_view b) {
  return UpToNul(a) < UpToNul(b);
}

}  // namespace fw
