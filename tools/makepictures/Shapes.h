// Reading the shape patterns and measuring the box each pattern's squares fill.
#pragma once

#include <string>
#include <vector>

namespace makepictures {

// A pattern is nine characters in reading order: "0" empty, "1" part of the piece, and the
// key square (position 5) "1" or "2".
struct ShapeBox {
    int left = 0;  // first column of the 3x3 square that holds a square of the piece (0 to 2)
    int top = 0;   // first row
    int width = 0;
    int height = 0;
};

bool squareFilled(const std::string& pattern, int row, int column);
ShapeBox boundingBox(const std::string& pattern);

// The 35 patterns of a Shapes.dat file's bytes: lines end at CR LF. Returns an empty list and
// sets `fault` when the file does not hold 35 lines of nine "0"/"1" characters (key "1" or "2").
std::vector<std::string> parseShapes(const std::string& bytes, std::string& fault);

}  // namespace makepictures
