// Splitting a data file's bytes into lines.
#include "game/TextLines.h"

namespace fitzel {

std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines, LineEnds ends) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t size = bytes.size();
    while (start < size && lines.size() < maxLines) {
        std::size_t end = start;
        while (end < size && bytes[end] != '\r' && !(ends == LineEnds::Any && bytes[end] == '\n')) {
            ++end;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n') {
            start = end + 2;
        } else {
            start = end + 1;
        }
    }
    return lines;
}

}  // namespace fitzel
