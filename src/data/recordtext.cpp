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

namespace {

// The first CR in [from, end) that no LF follows, else nullptr.
const char* FindLoneCr(const char* from, const char* end) {
  while (from < end) {
    const char* cr =
        static_cast<const char*>(std::memchr(from, '\r', static_cast<std::size_t>(end - from)));
    if (!cr) return nullptr;
    if (cr + 1 == end || cr[1] != '\n') return cr;
    from = cr + 2;
  }
  return nullptr;
}

}  // namespace

bool LineCursor::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const char* p = rest_.data();
  const char* end = p + rest_.size();
  // The next LF and the next lone CR are each looked for once and kept until a
  // line passes them, so every byte is searched only once however the lines end.
  if (!searched_ || (nextLf_ && nextLf_ < p))
    nextLf_ = static_cast<const char*>(std::memchr(p, '\n', rest_.size()));
  if (!searched_ || (nextCr_ && nextCr_ < p)) nextCr_ = FindLoneCr(p, end);
  searched_ = true;

  const char* stop = end;
  if (nextLf_) stop = nextLf_;
  if (nextCr_ && nextCr_ < stop) stop = nextCr_;
  std::size_t len = static_cast<std::size_t>(stop - p);
  if (stop == nextLf_ && len > 0 && p[len - 1] == '\r') --len;  // CR LF
  line = rest_.substr(0, len);
  rest_.remove_prefix(stop == end ? rest_.size() : static_cast<std::size_t>(stop - p) + 1);
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

int CountLines(std::string_view bytes) {
  LineCursor lines(bytes);
  std::string_view line;
  int count = 0;
  while (lines.Next(line)) ++count;
  return count;
}

}  // namespace fw
