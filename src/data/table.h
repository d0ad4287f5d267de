#pragma once
// A table of records that holds at most Limit of them, addressed from 1 as the
// program's windows and files address golfers, courses and rounds.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fw {

template <class Rec, int Limit>
class Table {
 public:
  static constexpr int kLimit = Limit;

  Table() { recs_.reserve(Limit); }

  int Count() const { return static_cast<int>(recs_.size()); }
  bool Empty() const { return recs_.empty(); }
  bool Full() const { return Count() >= Limit; }

  Rec& operator[](int i) { return recs_.at(Index(i)); }
  const Rec& operator[](int i) const { return recs_.at(Index(i)); }

  // Adds a record at the end; refuses beyond the limit.
  Rec& Append(Rec rec) {
    if (Full()) throw std::length_error("table full");
    recs_.push_back(std::move(rec));
    return recs_.back();
  }

  // Removes record i; the following records move one place up.
  void Delete(int i) { recs_.erase(recs_.begin() + Index(i)); }

  void Exchange(int i, int j) { std::swap(recs_.at(Index(i)), recs_.at(Index(j))); }

  // Drops records from the end until at most n are left.
  void Truncate(int n) {
    if (n < Count()) recs_.resize(n < 0 ? 0 : static_cast<std::size_t>(n));
  }

  void Clear() { recs_.clear(); }

  auto begin() { return recs_.begin(); }
  auto end() { return recs_.end(); }
  auto begin() const { return recs_.begin(); }
  auto end() const { return recs_.end(); }

 private:
  std::size_t Index(int i) const {
    if (i < 1 || i > Count())
      throw std::out_of_range("record " + std::to_string(i) + " of " + std::to_string(Count()));
    return static_cast<std::size_t>(i - 1);
  }

  std::vector<Rec> recs_;
};

// The exchange sort the tables of the data files are ordered by, kept step for
// step because it fixes where equal keys end up: for i from n down to 2 and j
// from i - 1 down to 1, positions i and j (from 1) are exchanged when
// less(i, j). The result ascends. An order that ascends already is left
// without a step, as the sort would leave it.
template <class Less, class Exchange>
void ExchangeSort(int n, Less less, Exchange exchange) {
  bool ascending = true;
  for (int k = 1; k < n && ascending; ++k) ascending = !less(k + 1, k);
  if (ascending) return;
  for (int i = n; i >= 2; --i)
    for (int j = i - 1; j >= 1; --j)
      if (less(i, j)) exchange(i, j);
}

}  // namespace fw
