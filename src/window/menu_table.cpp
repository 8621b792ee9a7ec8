#include "window/menu_table.h"

#include "model/catalogue.h"

namespace {

std::vector<MenuRow> buildMenuRows()
{
    using K = MenuRowKind;
    using G = RadioGroup;
    namespace c = menu_command;

    std::vector<MenuRow> rows;
    rows.push_back({K::Menu, "Distributions", 0, G::None});
    for (int d = 0; d < distributionCount; ++d) {
        // A separator wherever the list turns from continuous to discrete or back.
        if (d > 0 && isDiscreteDistribution[d] != isDiscreteDistribution[d - 1])
            rows.push_back({K::Separator, "", 0, G::None});
        rows.push_back({K::Item, distributionMenuTexts[d], distributionCommandOf(d), G::Distribution});
    }

    const MenuRow rest[] = {
        {K::Menu, "Function", 0, G::None},
        {K::Item, "Probability Density Function (PDF)", functionCommandOf(ShownFunction::Density), G::Function},
        {K::Item, "Cumulative Distribution Function (CDF)", functionCommandOf(ShownFunction::Distribution),
         G::Function},
        {K::Item, "Survival Function", functionCommandOf(ShownFunction::Survival), G::Function},
        {K::Item, "Hazard Function", functionCommandOf(ShownFunction::Hazard), G::Function},
        {K::Separator, "", 0, G::None},
        {K::Item, "Interval Probability...", c::intervalProbability, G::None, "Ctrl+I"},

        {K::Menu, "Edit", 0, G::None},
        {K::Item, "Copy Values", c::copyValues, G::None, "Ctrl+Shift+C"},
        {K::Item, "Copy Graph", c::copyGraph, G::None},
        {K::Item, "Export Graph...", c::exportGraph, G::None},

        {K::Menu, "Print", 0, G::None},
        {K::Item, "Print...", c::print, G::None},

        {K::Menu, "Options", 0, G::None},
        {K::Item, "Thin Function", lineWeightCommandOf(1), G::LineWeight},
        {K::Item, "Normal Function", lineWeightCommandOf(2), G::LineWeight},
        {K::Item, "Bold Function", lineWeightCommandOf(3), G::LineWeight},
        {K::Separator, "", 0, G::None},
        {K::Submenu, "Graph of Function", 0, G::None},
        {K::Item, "Function Color...", c::functionColor, G::None},
        {K::Item, "Grid Color...", c::gridColor, G::None},
        {K::Item, "Background Color...", c::backgroundColor, G::None},
        {K::Item, "Text Color...", c::textColor, G::None},
        {K::Item, "Default Colors", c::defaultColors, G::None},
        {K::EndSubmenu, "", 0, G::None},

        {K::Menu, "Help", 0, G::None},
        {K::Item, "Content", c::helpContent, G::None},
        {K::Separator, "", 0, G::None},
        {K::Item, "Visit Home Page", c::visitHomePage, G::None},
        {K::Item, "About Probaview", c::about, G::None},
    };
    rows.insert(rows.end(), std::begin(rest), std::end(rest));
    return rows;
}

}  // namespace

const std::vector<MenuRow>& menuRows()
{
    static const std::vector<MenuRow> rows = buildMenuRows();
    return rows;
}
