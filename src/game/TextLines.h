// Splitting a data file's bytes into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fitzel {

enum class LineEnds {
    CarriageReturn,  // a line ends at CR or CR LF; a lone LF is part of the line
    Any,             // a line ends at CR, CR LF or LF
};

// The first maxLines lines, without their terminators. A last line without a terminator
// counts when it holds at least one byte.
std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines, LineEnds ends);

}  // namespace fitzel
