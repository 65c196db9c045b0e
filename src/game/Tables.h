// The game's fixed tables: the edge test, the 49 candidate blocks and the clearing schedules.
// Each is written out once, as data, to be checked against the rules by eye.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

namespace fitzel {

// The pattern positions that must be empty ("0") for a piece whose key square goes on cell n:
// exactly those whose offset would leave the board or wrap into the next row.
struct EdgeRule {
    int count;
    std::array<int, 5> positions;
};
inline constexpr std::array<EdgeRule, 26> kEdgeRule = {{
    {0, {}},               // (unused)
    {5, {1, 2, 3, 4, 7}},  // 1: top-left corner
    {3, {1, 2, 3}},        // 2
    {3, {1, 2, 3}},        // 3
    {3, {1, 2, 3}},        // 4
    {5, {1, 2, 3, 6, 9}},  // 5: top-right corner
    {3, {1, 4, 7}},        // 6
    {0, {}},               // 7
    {0, {}},               // 8
    {0, {}},               // 9
    {3, {3, 6, 9}},        // 10
    {3, {1, 4, 7}},        // 11
    {0, {}},               // 12
    {0, {}},               // 13
    {0, {}},               // 14
    {3, {3, 6, 9}},        // 15
    {3, {1, 4, 7}},        // 16
    {0, {}},               // 17
    {0, {}},               // 18
    {0, {}},               // 19
    {3, {3, 6, 9}},        // 20
    {5, {1, 4, 7, 8, 9}},  // 21: bottom-left corner
    {3, {7, 8, 9}},        // 22
    {3, {7, 8, 9}},        // 23
    {3, {7, 8, 9}},        // 24
    {5, {3, 6, 7, 8, 9}},  // 25: bottom-right corner
}};

// A board, or a set of its cells, as one value: bit n - 1 is set when cell n is filled.
using BoardMask = std::uint32_t;

// A block shape, named columns x rows.
enum class Shape { Square9, Wide6, Tall6, Square4 };

struct Candidate {
    Shape shape;
    int count;  // cells in the block
    std::int16_t points;
    std::array<int, 9> cells;  // in reading order, which is also the order the cells vanish
    BoardMask mask;            // the same cells as one value
};

inline constexpr Candidate makeBlock(Shape shape, std::int16_t points,
                                     std::initializer_list<int> c) {
    Candidate made{shape, static_cast<int>(c.size()), points, {}, 0};
    int i = 0;
    for (int n : c) {
        made.cells[i++] = n;
        made.mask |= BoardMask{1} << (n - 1);
    }
    return made;
}
inline constexpr Candidate block3x3(std::initializer_list<int> c) {
    return makeBlock(Shape::Square9, 30, c);
}
inline constexpr Candidate block3x2(std::initializer_list<int> c) {
    return makeBlock(Shape::Wide6, 15, c);
}
inline constexpr Candidate block2x3(std::initializer_list<int> c) {
    return makeBlock(Shape::Tall6, 15, c);
}
inline constexpr Candidate block2x2(std::initializer_list<int> c) {
    return makeBlock(Shape::Square4, 5, c);
}

// The order of this table is the whole tie-break: a larger block is always tried before the
// blocks inside it, the wide six before the tall six, and within a shape the uppermost, then
// leftmost position first. The search takes the first complete entry.
inline constexpr std::array<Candidate, 49> kCandidates = {{
    block3x3({1, 2, 3, 6, 7, 8, 11, 12, 13}),
    block3x3({2, 3, 4, 7, 8, 9, 12, 13, 14}),
    block3x3({3, 4, 5, 8, 9, 10, 13, 14, 15}),
    block3x3({6, 7, 8, 11, 12, 13, 16, 17, 18}),
    block3x3({7, 8, 9, 12, 13, 14, 17, 18, 19}),
    block3x3({8, 9, 10, 13, 14, 15, 18, 19, 20}),
    block3x3({11, 12, 13, 16, 17, 18, 21, 22, 23}),
    block3x3({12, 13, 14, 17, 18, 19, 22, 23, 24}),
    block3x3({13, 14, 15, 18, 19, 20, 23, 24, 25}),

    block3x2({1, 2, 3, 6, 7, 8}),
    block3x2({2, 3, 4, 7, 8, 9}),
    block3x2({3, 4, 5, 8, 9, 10}),
    block3x2({6, 7, 8, 11, 12, 13}),
    block3x2({7, 8, 9, 12, 13, 14}),
    block3x2({8, 9, 10, 13, 14, 15}),
    block3x2({11, 12, 13, 16, 17, 18}),
    block3x2({12, 13, 14, 17, 18, 19}),
    block3x2({13, 14, 15, 18, 19, 20}),
    block3x2({16, 17, 18, 21, 22, 23}),
    block3x2({17, 18, 19, 22, 23, 24}),
    block3x2({18, 19, 20, 23, 24, 25}),

    block2x3({1, 2, 6, 7, 11, 12}),
    block2x3({2, 3, 7, 8, 12, 13}),
    block2x3({3, 4, 8, 9, 13, 14}),
    block2x3({4, 5, 9, 10, 14, 15}),
    block2x3({6, 7, 11, 12, 16, 17}),
    block2x3({7, 8, 12, 13, 17, 18}),
    block2x3({8, 9, 13, 14, 18, 19}),
    block2x3({9, 10, 14, 15, 19, 20}),
    block2x3({11, 12, 16, 17, 21, 22}),
    block2x3({12, 13, 17, 18, 22, 23}),
    block2x3({13, 14, 18, 19, 23, 24}),
    block2x3({14, 15, 19, 20, 24, 25}),

    block2x2({1, 2, 6, 7}),
    block2x2({2, 3, 7, 8}),
    block2x2({3, 4, 8, 9}),
    block2x2({4, 5, 9, 10}),
    block2x2({6, 7, 11, 12}),
    block2x2({7, 8, 12, 13}),
    block2x2({8, 9, 13, 14}),
    block2x2({9, 10, 14, 15}),
    block2x2({11, 12, 16, 17}),
    block2x2({12, 13, 17, 18}),
    block2x2({13, 14, 18, 19}),
    block2x2({14, 15, 19, 20}),
    block2x2({16, 17, 21, 22}),
    block2x2({17, 18, 22, 23}),
    block2x2({18, 19, 23, 24}),
    block2x2({19, 20, 24, 25}),
}};

// One placement searches the board at most this many times: its own search, then one more each
// time a clearing ends, so it scores at most this many blocks, one after another.
inline constexpr std::int16_t kMaxChecksPerPlacement = 3;

// Milliseconds from a starter's call to each clearing timer's firing, by slot 1 to 9; 0 leaves
// the timer alone. A block fills the last slots, so each starter arms exactly those, and timer 9,
// whose handler ends the clearing, always comes last.
// Index 0 is unused, like the slots.
using ClearSchedule = std::array<int, 10>;
// clang-format off
//                                                   slot 1    2    3    4    5    6    7    8    9
inline constexpr ClearSchedule kClear4Schedule = {0,    0,   0,   0,   0,   0, 250, 300, 350, 400};
inline constexpr ClearSchedule kClear6Schedule = {0,    0,   0,   0, 200, 250, 300, 350, 400, 450};
inline constexpr ClearSchedule kClear9Schedule = {0,  250, 275, 300, 325, 350, 375, 400, 425, 450};
// clang-format on

}  // namespace fitzel
