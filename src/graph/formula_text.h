#pragma once

#include <QString>

// The formula a formula picture shows, as the TeX it was typeset from
// ("f(x) = \frac{1}{\beta - \alpha}"): what a screen reader reads for the
// picture. Empty for a number without a picture.
QString formulaText(int pictureNumber);
