// Side by side with Boost.Math: the density (or mass), distribution function,
// survival function and quantile of each distribution at the inputs of
// tests/data/comparison_reference.txt ("compare/...") and at the extreme
// parameters and arguments of tests/data/extreme_reference.txt,
// extreme_numeric_reference.txt and large_shape_reference.txt
// ("extreme/..."): one benchmark ".../side_by_side" a case, which times both
// libraries in alternation and gives each one's time per call and largest
// relative error against the reference values as counters.
//
// Each case starts with clean upper halves of the vector registers, as every
// command of the program does (see graph/plot_vector_registers.h); the Qt
// application of the benchmark program leaves them dirty otherwise.
//
// Boost.Math runs with its default policy (doubles promoted to long double
// inside), except that errors return a value instead of throwing and discrete
// quantiles round up to the smallest count whose cdf reaches q, as ours do.
// Boost.Math has no discrete uniform law: that one runs on its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/cauchy.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/exponential.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/gamma.hpp>
#include <boost/math/distributions/geometric.hpp>
#include <boost/math/distributions/laplace.hpp>
#include <boost/math/distributions/logistic.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/negative_binomial.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/pareto.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/rayleigh.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/distributions/uniform.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "graph/plot_vector_registers.h"
#include "model/catalogue.h"
#include "parameter_sets.h"
#include "reference_data.h"

namespace {

namespace bm = boost::math;
using BoostPolicy = bm::policies::policy<bm::policies::domain_error<bm::policies::ignore_error>,
                                         bm::policies::pole_error<bm::policies::ignore_error>,
                                         bm::policies::overflow_error<bm::policies::ignore_error>,
                                         bm::policies::evaluation_error<bm::policies::ignore_error>,
                                         bm::policies::discrete_quantile<bm::policies::integer_round_up>>;

using Function = std::function<double(double)>;
enum Operation { Pdf, Cdf, Survival, Quantile };
const char* const operationKeys[] = {"pdf", "cdf", "survival", "quantile"};

template <typename D>
Function boostFunction(const D& d, Operation op)
{
    switch (op) {
        case Pdf:
            return [d](double x) { return bm::pdf(d, x); };
        case Cdf:
            return [d](double x) { return bm::cdf(d, x); };
        case Survival:
            return [d](double x) { return bm::cdf(bm::complement(d, x)); };
        case Quantile:
            break;
    }
    return [d](double q) { return bm::quantile(d, q); };
}

Function boostFunction(int distribution, double a, double b, Operation op)
{
    switch (distribution) {
        case 0:
            return boostFunction(bm::uniform_distribution<double, BoostPolicy>(a, b), op);
        case 1:
            return boostFunction(bm::normal_distribution<double, BoostPolicy>(a, b), op);
        case 2:
            return boostFunction(bm::lognormal_distribution<double, BoostPolicy>(std::log(a), b), op);
        case 3:
            return boostFunction(bm::exponential_distribution<double, BoostPolicy>(a), op);
        case 4:
            return boostFunction(bm::cauchy_distribution<double, BoostPolicy>(a, b), op);
        case 5:
            return boostFunction(bm::gamma_distribution<double, BoostPolicy>(a, b), op);
        case 6:
            return boostFunction(bm::beta_distribution<double, BoostPolicy>(a, b), op);
        case 7:
            return boostFunction(bm::students_t_distribution<double, BoostPolicy>(a), op);
        case 8:
            return boostFunction(bm::fisher_f_distribution<double, BoostPolicy>(a, b), op);
        case 9:
            return boostFunction(bm::chi_squared_distribution<double, BoostPolicy>(a), op);
        case 10:
            return boostFunction(bm::laplace_distribution<double, BoostPolicy>(0.0, 1.0 / a), op);
        case 11:
            return boostFunction(bm::poisson_distribution<double, BoostPolicy>(a), op);
        case 12:
            return boostFunction(bm::binomial_distribution<double, BoostPolicy>(a, b), op);
        case 13:
            return boostFunction(bm::negative_binomial_distribution<double, BoostPolicy>(a, b), op);
        case 14:
            return boostFunction(bm::geometric_distribution<double, BoostPolicy>(a), op);
        case 15:
            return boostFunction(bm::weibull_distribution<double, BoostPolicy>(a, b), op);
        case 16:
            return boostFunction(bm::logistic_distribution<double, BoostPolicy>(a, b), op);
        case 17:
            return boostFunction(bm::extreme_value_distribution<double, BoostPolicy>(a, b), op);
        case 18:
            return boostFunction(bm::pareto_distribution<double, BoostPolicy>(a, b), op);
        case 19:
            return boostFunction(bm::rayleigh_distribution<double, BoostPolicy>(a), op);
        default:
            return nullptr;  // no counterpart
    }
}

// Our value as the panels read it: an infinity is reported by the status, and
// an invalid result has no value.
double readValue(const Distribution& d, double value)
{
    switch (d.status()) {
        case ResultStatus::PlusInfinity:
            return INFINITY;
        case ResultStatus::MinusInfinity:
            return -INFINITY;
        case ResultStatus::Invalid:
            return NAN;
        default:
            return value;
    }
}

// Our distribution of the set; the sets live to the program's end.
Distribution* probaviewDistribution(int distribution, double a, double b)
{
    static std::vector<std::unique_ptr<DistributionSet>> sets;
    sets.push_back(std::make_unique<DistributionSet>(makeDistributionSet()));
    Distribution* d = (*sets.back())[distribution].get();
    d->setParameter1(a);
    d->setParameter2(b);
    return d;
}

// Calls `use` with our operation on d, called as the panels call it: through
// the Distribution interface, one indirect call per value. Boost.Math's
// templates are reached through one indirect call too, the std::function
// around their concrete distribution; a std::function around ours would add
// a second.
template <typename Use>
void withProbaviewOperation(Distribution* d, Operation op, Use use)
{
    switch (op) {
        case Pdf:
            return use([d](double x) { return d->pdf(x); });
        case Cdf:
            return use([d](double x) { return d->cdf(x); });
        case Survival:
            return use([d](double x) { return d->survival(x); });
        case Quantile:
            return use([d](double q) { return d->quantile(q); });
    }
}

// The inputs of one distribution, parameter set and operation, with the
// accepted range of each result (a single value but for discrete quantiles).
struct Comparison {
    int distribution = 0;
    double a = 0, b = 0;
    Operation op = Pdf;
    std::vector<double> inputs, lowest, highest;
};

double relativeError(double value, double lowest, double highest)
{
    if (value >= lowest && value <= highest) return 0.0;
    if (std::isinf(lowest) || std::isinf(highest)) return INFINITY;
    if (std::isnan(value)) return INFINITY;
    const double nearest = value < lowest ? lowest : highest;
    return nearest == 0 ? std::fabs(value) : std::fabs(value - nearest) / std::fabs(nearest);
}

// The records of a reference file, grouped by distribution, parameters and
// operation. comparison_reference.txt gives a discrete quantile as the range
// of counts it accepts (a sixth and seventh field); extreme_reference.txt
// gives one value and then its tolerance, which the counters leave aside.
std::vector<Comparison> readComparisons(const char* fileName, bool seventhIsHighest)
{
    std::map<std::tuple<int, double, double, int>, Comparison> byKey;
    for (const ReferenceRecord& r : readReferenceData(fileName)) {
        if (r.size() < 6) continue;
        const auto key = std::find(distributionKeys.begin(), distributionKeys.end(), r[0]);
        const auto op = std::find(std::begin(operationKeys), std::end(operationKeys), r[3]);
        if (key == distributionKeys.end() || op == std::end(operationKeys)) continue;
        const int d = static_cast<int>(key - distributionKeys.begin());
        const double a = referenceNumber(r[1]), b = referenceNumber(r[2]);
        Comparison& c = byKey[{d, a, b, static_cast<int>(op - std::begin(operationKeys))}];
        c.distribution = d;
        c.a = a;
        c.b = b;
        c.op = static_cast<Operation>(op - std::begin(operationKeys));
        c.inputs.push_back(referenceNumber(r[4]));
        c.lowest.push_back(referenceNumber(r[5]));
        c.highest.push_back(referenceNumber(seventhIsHighest && r.size() > 6 ? r[6] : r[5]));
    }
    std::vector<Comparison> comparisons;
    for (auto& [key, c] : byKey) comparisons.push_back(std::move(c));
    return comparisons;
}

// A parameter as the table shows it: "0.6", "1000", "0.000001"; "1e+300"
// where the fixed form would be long.
std::string numberText(double v)
{
    char text[32];
    const double size = std::fabs(v);
    if (size != 0 && (size < 1e-6 || size >= 1e16)) {
        std::snprintf(text, sizeof text, "%.15g", v);
        return text;
    }
    std::string fixed = std::to_string(v);
    fixed.erase(fixed.find_last_not_of('0') + 1);
    if (!fixed.empty() && fixed.back() == '.') fixed.pop_back();
    return fixed;
}

// The largest relative error of `function` at the inputs of c; `read` turns
// each result into the value a caller sees (our status says where a result is
// infinite or has no value).
template <typename Function, typename Read>
double worstError(const Comparison& c, const Function& function, const Read& read)
{
    double worst = 0.0;
    for (std::size_t i = 0; i < c.inputs.size(); ++i) {
        worst = std::max(worst, relativeError(read(function(c.inputs[i])), c.lowest[i], c.highest[i]));
    }
    return worst;
}

// Times `function` at the inputs of c, with its worst error as a counter.
template <typename Function, typename Read>
void timeAlone(benchmark::State& state, const Comparison& c, const Function& function, const Read& read)
{
    state.counters["max_rel_error"] = worstError(c, function, read);
    clearUpperVectorRegisters();
    for (auto _ : state) {
        for (double input : c.inputs) benchmark::DoNotOptimize(function(input));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * c.inputs.size()));
}

// Seconds of `passes` passes of `function` over the inputs of c.
template <typename Function>
double timePasses(const Comparison& c, const Function& function, int passes)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    for (int pass = 0; pass < passes; ++pass) {
        for (double input : c.inputs) benchmark::DoNotOptimize(function(input));
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Times ours and Boost.Math's at the inputs of c in alternation, a block of
// passes of one and then of the other, their order swapped every iteration:
// both meet the same spells of load from the rest of the machine. Two cases
// of a few nanoseconds timed apart moved their ratio by a fifth from run to
// run. Each library's time per call and worst error are counters.
template <typename Ours>
void timeSideBySide(benchmark::State& state, const Comparison& c, const Ours& ours, const Distribution& d,
                    const Function& theirs)
{
    state.counters["probaview_error"] = worstError(c, ours, [&d](double value) { return readValue(d, value); });
    state.counters["boost_error"] = worstError(c, theirs, [](double value) { return value; });
    clearUpperVectorRegisters();
    // Blocks of some 20 microseconds, in which the clock's own cost is lost.
    int passes = 1;
    while (passes < (1 << 20) && timePasses(c, ours, passes) < 20e-6) passes *= 2;
    double oursSeconds = 0.0, theirsSeconds = 0.0;
    bool oursFirst = true;
    for (auto _ : state) {
        if (oursFirst) oursSeconds += timePasses(c, ours, passes);
        theirsSeconds += timePasses(c, theirs, passes);
        if (!oursFirst) oursSeconds += timePasses(c, ours, passes);
        oursFirst = !oursFirst;
    }
    const double calls = static_cast<double>(state.iterations()) * passes * static_cast<double>(c.inputs.size());
    state.counters["probaview_ns"] = oursSeconds / calls * 1e9;
    state.counters["boost_ns"] = theirsSeconds / calls * 1e9;
}

// The records of the kernels' reference files that are a function of a
// distribution: tag, the distribution, its operation, and how many of the
// record's fields are parameters (the gamma integrals at scale 1).
struct KernelRecord {
    const char* tag;
    int distribution;
    Operation op;
    int parameterCount;
};
constexpr KernelRecord kernelRecords[] = {
    {"P", 5, Cdf, 1},
    {"Q", 5, Survival, 1},
    {"I", 6, Cdf, 2},
    {"Ic", 6, Survival, 2},
    {"inverseI", 6, Quantile, 2},
    {"studentCdf", 7, Cdf, 1},
    {"studentDensity", 7, Pdf, 1},
    {"studentQuantile", 7, Quantile, 1},
    {"largeP", 5, Cdf, 1},
    {"largeQ", 5, Survival, 1},
    {"largeInverseP", 5, Quantile, 1},
};

// extreme_numeric_reference.txt read as distributions: "P a x value condition"
// is the gamma (a, 1) distribution function at x, "I a b x value condition"
// the beta (a, b) one, and so on.
std::vector<Comparison> readKernelComparisons(const char* fileName)
{
    std::map<std::tuple<int, double, double, int>, Comparison> byKey;
    for (const ReferenceRecord& r : readReferenceData(fileName)) {
        const auto kernel = std::find_if(std::begin(kernelRecords), std::end(kernelRecords),
                                         [&r](const KernelRecord& k) { return r[0] == k.tag; });
        if (kernel == std::end(kernelRecords) || r.size() < static_cast<std::size_t>(kernel->parameterCount) + 3)
            continue;
        const int n = kernel->parameterCount;
        const double a = referenceNumber(r[1]);
        const double b = n == 2 ? referenceNumber(r[2]) : (kernel->distribution == 5 ? 1.0 : 0.0);
        Comparison& c = byKey[{kernel->distribution, a, b, kernel->op}];
        c.distribution = kernel->distribution;
        c.a = a;
        c.b = b;
        c.op = kernel->op;
        c.inputs.push_back(referenceNumber(r[1 + n]));
        c.lowest.push_back(referenceNumber(r[2 + n]));
        c.highest.push_back(c.lowest.back());
    }
    std::vector<Comparison> comparisons;
    for (auto& [key, c] : byKey) comparisons.push_back(std::move(c));
    return comparisons;
}

void registerComparisons(const char* kind, const std::vector<Comparison>& comparisons)
{
    for (const Comparison& c : comparisons) {
        std::string set = std::string(distributionKeys[c.distribution]) + "(" + numberText(c.a);
        if (c.b != 0 || c.distribution == 0 || c.distribution == 1 || c.distribution == 4 || c.distribution == 16 ||
            c.distribution == 17)
            set += ", " + numberText(c.b);
        const std::string name = std::string(kind) + "/" + operationKeys[c.op] + "/" + set + ")/";
        Distribution* d = probaviewDistribution(c.distribution, c.a, c.b);
        const Function theirs = boostFunction(c.distribution, c.a, c.b, c.op);
        withProbaviewOperation(d, c.op, [&name, &c, d, &theirs](auto ours) {
            if (theirs) {
                benchmark::RegisterBenchmark((name + "side_by_side").c_str(), [c, ours, d,
                                                                               theirs](benchmark::State& s) {
                    timeSideBySide(s, c, ours, *d, theirs);
                })->Unit(benchmark::kMicrosecond);
                return;
            }
            benchmark::RegisterBenchmark((name + "probaview").c_str(), [c, ours, d](benchmark::State& s) {
                timeAlone(s, c, ours, [d](double value) { return readValue(*d, value); });
            })->Unit(benchmark::kMicrosecond);
        });
    }
}

// The cases of several files as one list, in their order, where a case of a
// later file that has the distribution, parameters and operation of an earlier
// one adds its inputs to it (the Student quantiles at 1 to 3 degrees are in
// two files): two benchmarks of one name would be paired by chance.
std::vector<Comparison> joined(std::initializer_list<std::vector<Comparison>> lists)
{
    std::vector<Comparison> all;
    std::map<std::tuple<int, double, double, int>, std::size_t> indexOf;
    for (const std::vector<Comparison>& list : lists) {
        for (const Comparison& c : list) {
            const auto [at, fresh] = indexOf.try_emplace({c.distribution, c.a, c.b, c.op}, all.size());
            if (fresh) {
                all.push_back(c);
                continue;
            }
            Comparison& earlier = all[at->second];
            earlier.inputs.insert(earlier.inputs.end(), c.inputs.begin(), c.inputs.end());
            earlier.lowest.insert(earlier.lowest.end(), c.lowest.begin(), c.lowest.end());
            earlier.highest.insert(earlier.highest.end(), c.highest.begin(), c.highest.end());
        }
    }
    return all;
}

const bool registered = [] {
    registerComparisons("compare", readComparisons("comparison_reference.txt", true));
    registerComparisons("extreme", joined({readComparisons("extreme_reference.txt", false),
                                           readKernelComparisons("extreme_numeric_reference.txt"),
                                           readKernelComparisons("large_shape_reference.txt")}));
    return true;
}();

}  // namespace
