#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "model/interval_probability.h"

// What a panel's results depend on: the distribution, its four parameters as
// written and the panel's argument (x or q). Compared bit for bit, so that
// -0 and 0 count as different.
struct PanelState {
    int distribution = -1;
    std::array<double, 4> parameters{};
    double argument = 0.0;

    bool operator==(const PanelState& other) const
    {
        if (distribution != other.distribution || !sameBits(argument, other.argument)) return false;
        for (std::size_t i = 0; i < parameters.size(); ++i)
            if (!sameBits(parameters[i], other.parameters[i])) return false;
        return true;
    }

private:
    static bool sameBits(double a, double b)
    {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    }
};

// The last results of one panel and the state they were computed at, for a
// command that shows the same panel more than once at one state.
template <std::size_t N>
class PanelMemo {
public:
    const std::array<Result, N>* find(const PanelState& state) const
    {
        return kept_ && state == state_ ? &results_ : nullptr;
    }
    void keep(const PanelState& state, const std::array<Result, N>& results)
    {
        state_ = state;
        results_ = results;
        kept_ = true;
    }
    void clear() { kept_ = false; }

private:
    bool kept_ = false;
    PanelState state_;
    std::array<Result, N> results_{};
};
