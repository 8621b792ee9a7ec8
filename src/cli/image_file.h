#pragma once

#include <QImage>
#include <string>

// Writes the image to `file` in the given format ("png") so that the file
// appears only complete or not at all (see writeWholeFile). Returns an empty
// text, or what went wrong, naming the file; `what` names the image in it.
std::string writeImageFile(const QImage& image, const std::string& file, const char* format, const std::string& what);
