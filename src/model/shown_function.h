#pragma once

// The four functions of x that the program evaluates, shows and draws, in the
// order of the function selector, the Function menu and the formula pictures.
enum class ShownFunction { Density, Distribution, Survival, Hazard };

inline constexpr int shownFunctionCount = 4;

// The function's place in that order, 0..3.
constexpr int indexOf(ShownFunction function) { return static_cast<int>(function); }

// The function at place i of that order; only for 0 <= i < shownFunctionCount.
constexpr ShownFunction shownFunctionAt(int i) { return static_cast<ShownFunction>(i); }

constexpr bool isShownFunctionIndex(int i) { return i >= 0 && i < shownFunctionCount; }
