// Searching a sorted run of items the way every lookup in the engine does:
// check the first item, then the last, then bisect between them.  A target
// outside the run is answered after one or two comparisons, which is the
// common case for a word that is not in a block or a user dictionary.
#ifndef LEXCORE_DATAFILE_BISECTION_H
#define LEXCORE_DATAFILE_BISECTION_H

namespace lexcore {

template <typename Index>
struct Bisection {
  enum class Place {
    kBeforeFirst,  // the target sorts before item 0 (or there are no items)
    kAfterLast,    // the target sorts after the last item
    kEqual,        // `index` is an item equal to the target
    kBetween,      // the target sorts between items index - 1 and index
  };
  Place place;
  Index index;
  // For kEqual: the last item that may still equal the target; every item
  // after it was found to sort after the target.
  Index upper;
};

// Searches items 0..count-1, sorted, for a target.  `compare(i)` is negative
// when the target sorts before item i, positive when after and zero when
// equal.  Item 0 is compared first, then item count-1, then items between
// them by halving until one equals the target or two neighbours enclose it.
template <typename Index, typename Compare>
Bisection<Index> bisect(Index count, Compare compare) {
  using Place = typename Bisection<Index>::Place;
  if (count < 1) return {Place::kBeforeFirst, 0, 0};
  const Index last = count - 1;
  int c = compare(Index{0});
  if (c < 0) return {Place::kBeforeFirst, 0, 0};
  if (c == 0) return {Place::kEqual, 0, last};
  c = compare(last);
  if (c == 0) return {Place::kEqual, last, last};
  if (c > 0) return {Place::kAfterLast, count, count};
  Index lo = 0;
  Index hi = last;
  while (hi - lo > 1) {
    const Index mid = (lo + hi) / 2;
    c = compare(mid);
    if (c == 0) return {Place::kEqual, mid, hi};
    if (c < 0) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  return {Place::kBetween, hi, hi};
}

}  // namespace lexcore

#endif  // LEXCORE_DATAFILE_BISECTION_H
