#pragma once

#include <array>
#include <memory>

#include "model/distribution.h"

// The fifteen distributions in catalogue order d = 0..14: the order of the
// distribution list, the Distributions menu (command 40100 + d) and the
// formula pictures ((d + 1) * 1000 + f).

inline constexpr int distributionCount = 15;
inline constexpr int functionCount = 4;  // f: 0 density or mass, 1 cdf, 2 survival, 3 hazard
inline constexpr int defaultDistribution = 1;  // Normal

using DistributionSet = std::array<std::unique_ptr<Distribution>, distributionCount>;

// Display names as the list shows them ("F-distribution").
extern const std::array<const char*, distributionCount> distributionNames;

// Names as the Distributions menu shows them ("F-Distribution").
extern const std::array<const char*, distributionCount> distributionMenuTexts;

// A complete, independent set of the fifteen distributions with their default
// parameters. The shell owns one set and the render thread another, so the two
// threads never share an instance.
DistributionSet makeDistributionSet();

constexpr int firstDistributionCommand = 40100;
constexpr int distributionCommand(int d) { return firstDistributionCommand + d; }

// The picture number of function f of distribution d.
constexpr int formulaPictureNumber(int d, int f) { return (d + 1) * 1000 + f; }

// Whether distribution d has a formula picture for function f (the discrete
// distributions have no hazard picture).
constexpr bool hasFormulaPicture(int d, int f)
{
    return d >= 0 && d < distributionCount && f >= 0 && f < functionCount && !(d >= 11 && f == 3);
}
