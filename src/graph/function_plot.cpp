#include "graph/function_plot.h"

#include <algorithm>
#include <cmath>

#include "model/distribution.h"
#include "model/value_text.h"
#include "numeric/arithmetic.h"

using namespace plot_frame;

namespace {

// Pixel positions outside this band are never visible; clamping keeps absurd
// values (and NaN) from overflowing the conversion and the line walks.
constexpr double pixelLimit = 32768.0;

// Bounds of the tick searches: a power of ten needs at most nine units to
// bring a finite range below twelve steps, and a finite axis never carries
// more than a dozen ticks. The bounds only matter for unusable ranges.
constexpr int maxStepUnits = 10;
constexpr int maxTickCount = 64;

// A discrete sampler walks the mass function across the integers that k skips
// between two samples, as long as they are this many or fewer; beyond that the
// masses between come from the distribution function. A step costs about a
// hundredth of a microsecond, a jump (a distribution function and a mass) a few
// microseconds, so the walk stops paying off at a few hundred integers, and a
// whole pass walks at most 273 * 512 steps.
constexpr double maxMassWalk = 512.0;
constexpr int stopCheckInterval = 4096;
constexpr double exactIntegerLimit = 4503599627370496.0;  // 2^52

constexpr int labelTop = 199;
constexpr int labelBottom = 215;

int toPixel(double value)
{
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::clamp(value, -pixelLimit, pixelLimit));
}

bool isStopRequested(const StopQuery& stopRequested) { return stopRequested && stopRequested(); }

bool isKnownFunction(ShownFunction function) { return isShownFunctionIndex(indexOf(function)); }

double evaluate(Distribution& distribution, ShownFunction function, double x)
{
    switch (function) {
        case ShownFunction::Density:
            return distribution.pdf(x);
        case ShownFunction::Distribution:
            return distribution.cdf(x);
        case ShownFunction::Survival:
            return distribution.survival(x);
        default:
            return distribution.hazard(x);
    }
}

// The density, distribution or survival function of a discrete distribution,
// sampled left to right: the mass follows k by the one-step recurrence, and
// the distribution and survival functions are running sums of the masses from
// the first integer of the range.
class DiscreteWalk {
public:
    DiscreteWalk(Distribution& distribution, ShownFunction function) : distribution_(distribution), function_(function)
    {
    }

    // The value at x and the status that classifies it; false when a stop
    // request arrived during a long walk.
    bool sample(int index, double x, const StopQuery& stopRequested, double& value, ResultStatus& status)
    {
        const double k = std::floor(x);
        if (index == 0) {
            kPrevious_ = k;
            cdfKnown_ = false;
            mass_ = distribution_.pdf(k);
            status_ = distribution_.status();
            running_ = function_ == ShownFunction::Survival ? 1.0 - mass_ : mass_;
        } else if (std::fabs(k - kPrevious_) > 0.5) {
            const double moved = k - kPrevious_;
            if (moved > 0.5 && moved <= maxMassWalk && std::fabs(k) < exactIntegerLimit) {
                if (!walkTo(k, stopRequested)) return false;
                cdfKnown_ = false;
            } else {
                jumpTo(k);
            }
            kPrevious_ = k;
        }
        value = running_;
        status = status_;
        return true;
    }

private:
    void add(double mass)
    {
        if (function_ == ShownFunction::Density)
            running_ = mass;
        else if (function_ == ShownFunction::Distribution)
            running_ += mass;
        else
            running_ -= mass;
    }

    // One pmfStep per integer from kPrevious_ + 1 to k.
    bool walkTo(double k, const StopQuery& stopRequested)
    {
        const auto steps = static_cast<long long>(k - kPrevious_);
        for (long long step = 1; step <= steps; ++step) {
            if (step % stopCheckInterval == 0 && isStopRequested(stopRequested)) return false;
            mass_ = distribution_.pmfStep(kPrevious_ + static_cast<double>(step), mass_);
            status_ = distribution_.status();
            add(mass_);
        }
        return true;
    }

    // Too far (or backwards) to walk: the mass from pdf, the masses in between
    // from the distribution function. Its value at k is kept for the next jump,
    // which starts from there.
    void jumpTo(double k)
    {
        if (function_ != ShownFunction::Density) {
            const double before = cdfKnown_ ? cdfAtPrevious_ : distribution_.cdf(kPrevious_);
            const ResultStatus beforeStatus = cdfKnown_ ? cdfStatusAtPrevious_ : distribution_.status();
            const double after = distribution_.cdf(k);
            const ResultStatus afterStatus = distribution_.status();
            cdfAtPrevious_ = after;
            cdfStatusAtPrevious_ = afterStatus;
            cdfKnown_ = true;
            mass_ = distribution_.pdf(k);
            status_ = distribution_.status();
            if (beforeStatus != ResultStatus::Ok)
                status_ = beforeStatus;
            else if (afterStatus != ResultStatus::Ok)
                status_ = afterStatus;
            else
                running_ += function_ == ShownFunction::Distribution ? after - before : before - after;
            return;
        }
        mass_ = distribution_.pdf(k);
        status_ = distribution_.status();
        running_ = mass_;
    }

    Distribution& distribution_;
    ShownFunction function_;
    double kPrevious_ = 0.0;
    double mass_ = 0.0;
    double running_ = 0.0;
    ResultStatus status_ = ResultStatus::Ok;
    bool cdfKnown_ = false;  // cdfAtPrevious_ holds cdf(kPrevious_)
    double cdfAtPrevious_ = 0.0;
    ResultStatus cdfStatusAtPrevious_ = ResultStatus::Ok;
};

// Step 2: the samples and their running maximum. False when abandoned.
bool sampleFunction(Distribution& distribution, ShownFunction function, const StopQuery& stopRequested,
                    FunctionPlot& plot)
{
    plot.samples.fill(gapMarker);
    plot.maxValue = gapMarker;
    const bool walk = !distribution.isContinuous() && function != ShownFunction::Hazard;
    DiscreteWalk discrete(distribution, function);

    for (int i = 0; i < sampleCount; ++i) {
        if (isStopRequested(stopRequested)) return false;
        const double x = (plot.high - plot.low) * i / sampleIntervals + plot.low;
        double value = 0.0;
        ResultStatus status = ResultStatus::Invalid;
        if (!isKnownFunction(function)) {
            // Nothing to evaluate: every sample is a failure.
        } else if (walk) {
            if (!discrete.sample(i, x, stopRequested, value, status)) return false;
        } else {
            value = evaluate(distribution, function, x);
            status = distribution.status();
        }

        // An Ok result that is not a finite number is as good as an infinite one.
        if (status == ResultStatus::Ok && std::isfinite(value)) {
            plot.samples[i] = value;
            if (value > plot.maxValue) plot.maxValue = value;
        } else if (status == ResultStatus::SingularPoint) {
            plot.samples[i] = gapMarker;
        } else {
            plot.samples[i] = plot.maxValue;
        }
    }
    return true;
}

// Steps 3 and 4: the vertical scale and the curve.
void buildCurve(FunctionPlot& plot)
{
    // With no positive maximum every valid sample lies on the baseline.
    const double scale = plot.maxValue > 0.0 ? plotHeight / plot.maxValue : 0.0;
    const auto pixelY = [&](double sample) {
        // A subnormal maximum makes the scale infinite; divide first then.
        if (std::isfinite(scale)) return toPixel(baseline - sample * scale);
        return toPixel(baseline - sample / plot.maxValue * plotHeight);
    };

    const auto first = std::find_if(plot.samples.begin(), plot.samples.end(), [](double s) { return s != gapMarker; });
    if (first == plot.samples.end()) return;
    const int i0 = static_cast<int>(first - plot.samples.begin());
    plot.curve.push_back({leftEdge, pixelY(plot.samples[i0])});
    for (int i = i0; i < sampleCount; ++i) {
        if (plot.samples[i] != gapMarker) plot.curve.push_back({leftEdge + i, pixelY(plot.samples[i])});
    }
}

// Step 5: the y axis, on the left edge unless zero lies strictly inside the range.
void placeYAxis(FunctionPlot& plot)
{
    const double low = plot.low;
    const double high = plot.high;
    if ((low < 0.0 && high > 0.0) || (low > 0.0 && high < 0.0)) {
        plot.yAxisX = leftEdge + toPixel(-low / (high - low) * axisSpan);
        plot.zeroLabel = PlotRect{plot.yAxisX + 4, labelTop, plot.yAxisX + 10, labelBottom};
    }
}

// Step 6: y ticks at multiples of a power of ten or twice it, from one step up.
void buildYTicks(FunctionPlot& plot)
{
    const double maxValue = plot.maxValue;
    if (!(maxValue > 0.0) || !std::isfinite(maxValue)) return;
    const double unit = integerPower(10.0, static_cast<int>(std::floor(std::log(maxValue) / std::log(10.0))));
    if (!(unit > 0.0) || !std::isfinite(unit)) return;  // a maximum too small for a power of ten

    double step = unit;
    for (int units = 1; units < maxStepUnits && maxValue / step > 8; ++units) step += unit;

    double t = step;
    for (int n = 0; n < maxTickCount && maxValue * 1.05 > t; ++n, t += step) {
        double rise = t * plotHeight / maxValue;
        if (!std::isfinite(rise)) rise = t / maxValue * plotHeight;  // t * 190 overflowed
        const int y = baseline - toPixel(rise);
        plot.yTicks.push_back({t, y, formatValue(t), PlotRect{plot.yAxisX + 6, y - 8, xAxisEnd, baseline}});
    }
}

double xTickStep(const FunctionPlot& plot, bool continuous)
{
    const double width = plot.high - plot.low;
    const double r = width * 0.1;
    if (!continuous) return std::floor(r) + 1.0;

    int e = 0;
    if (r > 0.0) e = static_cast<int>(std::floor(std::log(r) / std::log(10.0)));
    const double unit = integerPower(10.0, e);
    double step = unit;
    for (int units = 1; units < maxStepUnits && std::fabs(width / step) > 12; ++units) step += unit;
    return step;
}

// Step 7: the x ticks at multiples of the step above low; only the first and
// the last carry a label.
void buildXTicks(FunctionPlot& plot, bool continuous)
{
    const double low = plot.low;
    const double high = plot.high;
    const double step = xTickStep(plot, continuous);
    // A step lost in the precision of the range would put every tick on the same value.
    if (!(step > 0.0) || !std::isfinite(step) || low + step == low || high + step == high) return;

    const double base = std::floor(low / step) * step;
    double t = low;
    int lastX = 0;
    for (int i = 0; i < maxTickCount && step * 0.9 + high > t; ++i, t += step) {
        const double v = base + (i + 1) * step;
        if (v > high) {
            if (i > 0)
                plot.xLabels.push_back(
                    {formatValue(v - step), PlotRect{lastX - 8, labelTop, lastX + 100, labelBottom}});
            return;
        }
        const int x = leftEdge + toPixel((v - low) / (high - low) * axisSpan);
        lastX = x;
        if (i == 0) plot.xLabels.push_back({formatValue(v), PlotRect{x - 8, labelTop, x + 100, labelBottom}});
        plot.xTicks.push_back({v, x});
    }
}

}  // namespace

void markInterval(FunctionPlot& plot, ShownFunction function, bool continuous, const PlotInterval& interval)
{
    if (plot.parametersInvalid || plot.abandoned || plot.curve.empty() || !(plot.high > plot.low)) return;
    if (function != ShownFunction::Density) {
        for (const double end : {interval.low, interval.high}) {
            if (end >= plot.low && end <= plot.high) {
                plot.intervalMarks.push_back(leftEdge + toPixel((end - plot.low) / (plot.high - plot.low) * axisSpan));
            }
        }
        return;
    }
    const auto inside = [&](double x) {
        if (continuous) return x >= interval.low && x <= interval.high;
        return x >= std::ceil(interval.low) && x < std::floor(interval.high) + 1;
    };
    // The first curve point only starts the line; the others are the samples.
    for (std::size_t n = 1; n < plot.curve.size(); ++n) {
        const int i = plot.curve[n].x - leftEdge;
        const double x = (plot.high - plot.low) * i / sampleIntervals + plot.low;
        if (inside(x)) plot.shadedColumns.push_back(plot.curve[n]);
    }
}

FunctionPlot computeFunctionPlot(Distribution& distribution, ShownFunction function, const StopQuery& stopRequested)
{
    FunctionPlot plot;
    plot.samples.fill(gapMarker);

    // Step 1: range and validity.
    const auto overflowed = [](ResultStatus status) {
        return status == ResultStatus::PlusInfinity || status == ResultStatus::MinusInfinity;
    };
    plot.low = distribution.graphLow();
    const bool lowOverflowed = overflowed(distribution.status());
    plot.high = distribution.graphHigh();
    const ResultStatus highStatus = distribution.status();
    if (highStatus != ResultStatus::Ok && !overflowed(highStatus)) {
        plot.parametersInvalid = true;
        return plot;
    }

    // A range that is not finite (a quantile overflowed, valid parameters
    // notwithstanding) has no meaningful sample positions, axis position or
    // ticks: only the axes are drawn.
    const bool finiteRange = !lowOverflowed && !overflowed(highStatus) && std::isfinite(plot.low) &&
                             std::isfinite(plot.high) && std::isfinite(plot.high - plot.low);
    if (!finiteRange) return plot;

    if (!sampleFunction(distribution, function, stopRequested, plot)) {
        plot.abandoned = true;
        return plot;
    }
    buildCurve(plot);
    placeYAxis(plot);
    buildYTicks(plot);
    buildXTicks(plot, distribution.isContinuous());
    return plot;
}
