#pragma once

#include <vector>

#include "model/shown_function.h"

// The menu bar as data, walked in order: a Menu row opens a top-level menu,
// Submenu/EndSubmenu bracket a nested one, Item rows carry their command id.

enum class MenuRowKind { Menu, Item, Separator, Submenu, EndSubmenu };

// The three groups whose items carry a radio mark (exactly one checked).
enum class RadioGroup { None, Distribution, Function, LineWeight };

struct MenuRow {
    MenuRowKind kind;
    const char* text;
    int command;  // 0 for rows without a command
    RadioGroup group;
    const char* shortcut = nullptr;  // a QKeySequence text, "Ctrl+I"
};

namespace menu_command {
inline constexpr int firstDistribution = 40100;  // + catalogue index d
inline constexpr int firstFunction = 40200;      // + function index f
inline constexpr int firstLineWeight = 40300;    // + line weight - 1
inline constexpr int intervalProbability = 40210;
inline constexpr int copyValues = 40600;
inline constexpr int copyGraph = 40601;
inline constexpr int exportGraph = 40602;
inline constexpr int print = 40500;
inline constexpr int functionColor = 40400;
inline constexpr int gridColor = 40401;
inline constexpr int backgroundColor = 40402;
inline constexpr int textColor = 40403;
inline constexpr int defaultColors = 40404;
inline constexpr int helpContent = 40020;
inline constexpr int visitHomePage = 40001;
inline constexpr int about = 40023;
}  // namespace menu_command

// The whole menu bar, in order.
const std::vector<MenuRow>& menuRows();

// The radio item of each group that a selection marks.
inline constexpr int distributionCommandOf(int d) { return menu_command::firstDistribution + d; }
inline constexpr int functionCommandOf(ShownFunction f) { return menu_command::firstFunction + indexOf(f); }
inline constexpr int lineWeightCommandOf(int weight) { return menu_command::firstLineWeight + weight - 1; }
