// Reading the shape patterns and measuring the box each pattern's squares fill.
#include "Shapes.h"

#include <algorithm>

#include "game/modGeneral.h"

namespace makepictures {

bool squareFilled(const std::string& pattern, int row, int column) {
    return fitzel::squareCovers(pattern, row * 3 + column + 1);
}

ShapeBox boundingBox(const std::string& pattern) {
    int left = 3, top = 3, right = -1, bottom = -1;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (squareFilled(pattern, row, column)) {
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
    }
    if (right < 0) {
        return {};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

std::vector<std::string> parseShapes(const std::string& bytes, std::string& fault) {
    std::vector<std::string> shapes;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            fault = "line " + std::to_string(shapes.size() + 1) + " is not ended by CR LF";
            return {};
        }
        shapes.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    if (shapes.size() != 35) {
        fault = "expected 35 lines, found " + std::to_string(shapes.size());
        return {};
    }
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        const std::string& s = shapes[k];
        bool ok = s.size() == 9;
        for (std::size_t j = 0; ok && j < 9; ++j) {
            ok = s[j] == '0' || s[j] == '1' || (j == 4 && s[j] == '2');
        }
        if (!ok || s[4] == '0') {
            fault = "line " + std::to_string(k + 1) + " is not a pattern with its key square: " + s;
            return {};
        }
    }
    return shapes;
}

}  // namespace makepictures
