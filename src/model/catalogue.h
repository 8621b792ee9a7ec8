#pragma once

#include <array>
#include <memory>

#include "model/distribution.h"
#include "model/shown_function.h"

// The twenty-one distributions in catalogue order d = 0..20: the order of the
// distribution list, the Distributions menu and the formula pictures
// ((d + 1) * 1000 + f). The classic fifteen keep their places 0..14; the
// later six follow them.

inline constexpr int distributionCount = 21;
inline constexpr int defaultDistribution = 1;  // Normal

// Whether distribution d takes whole values only.
inline constexpr std::array<bool, distributionCount> isDiscreteDistribution = {
    false, false, false, false, false, false, false, false, false, false, false,  // Uniform .. Double Exponential
    true,  true,  true,  true,                                                    // Poisson .. Geometric
    false, false, false, false, false,                                            // Weibull .. Rayleigh
    true,                                                                         // Discrete Uniform
};

using DistributionSet = std::array<std::unique_ptr<Distribution>, distributionCount>;

// Display names as the list shows them ("F-distribution").
extern const std::array<const char*, distributionCount> distributionNames;

// Names as the Distributions menu shows them ("F-Distribution").
extern const std::array<const char*, distributionCount> distributionMenuTexts;

// A complete, independent set of the distributions with their default
// parameters. The shell owns one set and the render thread another, so the two
// threads never share an instance.
DistributionSet makeDistributionSet();

// The picture number of function f of distribution d.
constexpr int formulaPictureNumber(int d, ShownFunction f) { return (d + 1) * 1000 + indexOf(f); }

// Whether distribution d has a formula picture for function f (the discrete
// distributions have no hazard picture).
constexpr bool hasFormulaPicture(int d, ShownFunction f)
{
    return d >= 0 && d < distributionCount && isShownFunctionIndex(indexOf(f)) &&
           !(isDiscreteDistribution[d] && f == ShownFunction::Hazard);
}
