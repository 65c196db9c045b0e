// The par search's transposition table: what the search has learnt of each state it has met.
#pragma once

#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fitzel {

// A fixed table of 2^kBits entries, each state's key hashed to a home entry and looked for in the
// few entries that follow it. Where they are full, the state nearest the deal's end makes way: it
// is the cheapest to search again.
//
// An entry takes four bytes, so that the table holds the states of the hardest deals: the hash is
// a multiplication by an odd number, which can be undone, so an entry keeps only the bits of the
// hashed key that its home does not give, and how far it lies from its home.
//
// Two searches may share the table, each on a thread of its own: an entry is read and written as
// one word, so each reads a whole entry, either one's, and what an entry tells of its state holds
// whichever search learnt it.
class TranspositionTable {
  public:
    // What is known of a state: its value, exact, or an upper bound that no play from it beats;
    // and, with an exact value, the choice that reaches it (0 to 31, the search's to give).
    struct Known {
        int value;
        bool exact;
        int choice = 0;
        bool operator==(const Known&) const = default;
    };

    // 2^23 entries of 4 bytes: 32 MiB.
    static constexpr int kBits = 23;
    // Keys take 32 bits, states nearer the deal's end having greater keys.
    using Key = std::uint32_t;
    // Values lie within +-kValueLimit: a gain is at most the points of every cell of the board and
    // of 35 pieces, 25 + 35 x 9 cells at 30 points for 9, and at least 7 points lost a piece.
    static constexpr int kValueLimit = 1 << 11;

    TranspositionTable() : entries_(std::size_t{1} << kBits) {}

    std::optional<Known> find(Key key) const {
        const Key hashed = hash(key);
        const std::size_t home = hashed >> kCheckBits;
        for (std::uint32_t probe = 0; probe < kProbes; ++probe) {
            const Entry entry = at(home + probe);
            if (entry.used != 0 && entry.probe == probe && entry.check == (hashed & kCheckMask)) {
                return Known{static_cast<int>(entry.value) - kValueLimit, entry.exact != 0,
                             static_cast<int>(entry.choice)};
            }
        }
        return std::nullopt;
    }

    void store(Key key, const Known& known) {
        const Key hashed = hash(key);
        const std::size_t home = hashed >> kCheckBits;
        std::uint32_t chosen = 0;
        for (std::uint32_t probe = 0; probe < kProbes; ++probe) {
            const Entry entry = at(home + probe);
            if (entry.used == 0 || (entry.probe == probe && entry.check == (hashed & kCheckMask))) {
                chosen = probe;
                break;
            }
            if (keyAt(home + probe) > keyAt(home + chosen)) {
                chosen = probe;
            }
        }
        Entry entry;
        entry.used = 1;
        entry.probe = chosen;
        entry.check = hashed & kCheckMask;
        entry.value = static_cast<std::uint32_t>(known.value + kValueLimit);
        entry.exact = known.exact ? 1u : 0u;
        entry.choice = static_cast<std::uint32_t>(known.choice);
        entries_[(home + chosen) & kMask].store(std::bit_cast<std::uint32_t>(entry),
                                                std::memory_order_relaxed);
    }

    // Asks the memory for a key's entries ahead of their use (a GCC and Clang builtin): the
    // search spends most of its time waiting for them otherwise.
    void prefetch(Key key) const { __builtin_prefetch(&entries_[hash(key) >> kCheckBits]); }

  private:
    // One entry in 4 bytes: whether it is used, how far from its home it lies, the low bits of
    // the hashed key, the value offset to be positive, whether it is exact, the choice.
    struct Entry {
        std::uint32_t used : 1 = 0;
        std::uint32_t probe : 2 = 0;
        std::uint32_t check : 9 = 0;
        std::uint32_t value : 12 = 0;
        std::uint32_t exact : 1 = 0;
        std::uint32_t choice : 5 = 0;
    };
    static_assert(sizeof(Entry) == 4);
    static constexpr int kCheckBits = 32 - kBits;
    static_assert(kCheckBits <= 9);
    static constexpr Key kCheckMask = (Key{1} << kCheckBits) - 1;
    static constexpr std::size_t kMask = (std::size_t{1} << kBits) - 1;
    static constexpr std::uint32_t kProbes = 4;
    // An odd multiplier and its inverse modulo 2^32.
    static constexpr Key kMultiplier = 0x9E3779B1u;
    static constexpr Key kInverse = [] {
        Key inverse = kMultiplier;  // Newton's steps, each doubling the bits that are right
        for (int i = 0; i < 5; ++i) {
            inverse *= 2u - kMultiplier * inverse;
        }
        return inverse;
    }();
    static_assert(kMultiplier * kInverse == 1u);

    static Key hash(Key key) { return key * kMultiplier; }
    // An entry, read whole.
    Entry at(std::size_t slot) const {
        return std::bit_cast<Entry>(entries_[slot & kMask].load(std::memory_order_relaxed));
    }
    // The key of the state an entry holds.
    Key keyAt(std::size_t slot) const {
        const Entry entry = at(slot);
        const Key home = static_cast<Key>((slot - entry.probe) & kMask);
        return ((home << kCheckBits) | entry.check) * kInverse;
    }

    std::vector<std::atomic<std::uint32_t>> entries_;
};

}  // namespace fitzel
