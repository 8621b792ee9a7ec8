#pragma once

#include <QImage>
#include <QString>

#include "model/shown_function.h"

// The formula pictures: one typeset formula per distribution and function,
// numbered (d + 1) * 1000 + f (see formulaPictureNumber in model/catalogue.h)
// and embedded in the program as GIF resources.

// The picture with this number, in 32-bit RGB at its own pixel size (304 x 62),
// or a null image when the number has no picture: the hazard of a discrete
// distribution, or any number outside the catalogue.
QImage loadFormulaPicture(int number);

// Writes the picture of function f of distribution d to path, in the format
// that the file's suffix names (PNG for ".png"). False when the pair has no
// picture or the file cannot be written.
bool writeFormulaPicture(int d, ShownFunction f, const QString& path);
