// The picture export for retouching: the page shown is written as "NoName.bmp", a Windows bitmap, in the
// user's documents folder, for the user's image program to open.
#pragma once

#include <QImage>
#include <string>

namespace shell {

inline constexpr const char* kRetouchFileName = "NoName.bmp";

// documentsFolder ends in '/'.
std::string RetouchPath(const std::string& documentsFolder);

// Writes the picture as a Windows bitmap, replacing an earlier file. Returns the reason when it could not
// be written, or an empty text.
std::string WriteWindowsBitmap(const QImage& picture, const std::string& path);

}  // namespace shell
