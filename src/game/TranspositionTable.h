// The par search's transposition table: what the search has learnt of each state it has met.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fitzel {

// A fixed table of 2^kBits entries, each state's key hashed to a home entry and looked for in the
// few entries that follow it. Where they are full, the state nearest the deal's end makes way: it
// is the cheapest to search again.
class TranspositionTable {
  public:
    // What is known of a state: its value, exact, or an upper bound that no play from it beats;
    // and, with an exact value, the choice that reaches it (0 to 31, the search's to give).
    struct Known {
        int value;
        bool exact;
        int choice = 0;
    };

    // 2^22 entries of 8 bytes: 32 MiB.
    static constexpr int kBits = 22;
    // Keys are below 2^40, never 0, and greater for states nearer the deal's end.
    static constexpr std::uint64_t kKeyLimit = std::uint64_t{1} << 40;

    TranspositionTable() : entries_(std::size_t{1} << kBits) {}

    std::optional<Known> find(std::uint64_t key) const {
        for (std::size_t i = 0, at = home(key); i < kProbes; ++i, at = next(at)) {
            if (entries_[at].key == key) {
                return Known{static_cast<int>(entries_[at].value) - kValueOffset,
                             entries_[at].exact != 0, static_cast<int>(entries_[at].choice)};
            }
        }
        return std::nullopt;
    }

    void store(std::uint64_t key, const Known& known) {
        std::size_t at = home(key);
        for (std::size_t i = 0, probe = at; i < kProbes; ++i, probe = next(probe)) {
            if (entries_[probe].key == key || entries_[probe].key == 0) {
                at = probe;
                break;
            }
            if (entries_[probe].key > entries_[at].key) {
                at = probe;
            }
        }
        entries_[at] = Entry{key, static_cast<std::uint64_t>(known.value + kValueOffset),
                             known.exact ? 1u : 0u, static_cast<std::uint64_t>(known.choice)};
    }

    // Asks the memory for a key's entries ahead of their use (a GCC and Clang builtin): the
    // search spends most of its time waiting for them otherwise.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(&entries_[home(key)]); }

  private:
    // One entry in 8 bytes: the key (0 for an empty entry), the value offset to be positive,
    // whether it is exact, and the choice that reaches it.
    struct Entry {
        std::uint64_t key : 40 = 0;
        std::uint64_t value : 16 = 0;
        std::uint64_t exact : 1 = 0;
        std::uint64_t choice : 5 = 0;
    };
    static_assert(sizeof(Entry) == 8);
    static constexpr int kValueOffset = 1 << 15;
    static constexpr std::size_t kProbes = 4;

    static std::size_t home(std::uint64_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> (64 - kBits));
    }
    std::size_t next(std::size_t at) const { return (at + 1) & (entries_.size() - 1); }

    std::vector<Entry> entries_;
};

}  // namespace fitzel
