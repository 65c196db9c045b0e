// The files the game reads from its own folder, and how a piece's picture file is named.
#pragma once

#include <string>

namespace fitzel {

inline constexpr char kShapesFile[] = "Shapes.dat";
inline constexpr char kGridEmptyFile[] = "GridEmpty.bmp";
inline constexpr char kGridFilledFile[] = "GridFilled.bmp";
inline constexpr char kPreviewEmptyFile[] = "EGEmpty.bmp";
inline constexpr char kPreviewFilledFile[] = "EGFilled.bmp";
inline constexpr char kHighScoreFile[] = "Config.cfg";

// Piece k's picture: its number in two digits, then ".bmp" (01.bmp to 35.bmp).
std::string piecePictureFile(int k);

// A data file's path: the program's folder, a separator and the file's name.
std::string pathInFolder(const std::string& folder, const std::string& fileName);

}  // namespace fitzel
