// The gamma- and beta-family distributions where their expansions run longest:
// shapes near their arguments (the series and fractions need about 8 sqrt(a)
// rounds), Student sums of thousands of terms, and the inverse searches.
#include <memory>

#include "model/beta_distributions.h"
#include "model/gamma_distributions.h"
#include "operation_cases.h"

namespace {

const OperationCase familyCases[] = {
    {"gamma_1e5_1/cdf_1e5", [] { return std::make_unique<GammaDistribution>(1e5, 1); },
     [](Distribution& d) { return d.cdf(1e5); }},
    {"gamma_1e5_1/quantile_0.999", [] { return std::make_unique<GammaDistribution>(1e5, 1); },
     [](Distribution& d) { return d.quantile(0.999); }},
    {"gamma_1e8_1/quantile_0.3", [] { return std::make_unique<GammaDistribution>(1e8, 1); },
     [](Distribution& d) { return d.quantile(0.3); }},
    {"gamma_1e9_1/cdf_1e9", [] { return std::make_unique<GammaDistribution>(1e9, 1); },
     [](Distribution& d) { return d.cdf(1e9); }},
    {"gamma_1e15_1/quantile_0.3", [] { return std::make_unique<GammaDistribution>(1e15, 1); },
     [](Distribution& d) { return d.quantile(0.3); }},
    {"chi_square_1e15/quantile_0.05", [] { return std::make_unique<ChiSquareDistribution>(1e15); },
     [](Distribution& d) { return d.quantile(0.05); }},
    {"chi_square_1e12/quantile_1e-300", [] { return std::make_unique<ChiSquareDistribution>(1e12); },
     [](Distribution& d) { return d.quantile(1e-300); }},
    {"gamma_0.001_1/quantile_0.05", [] { return std::make_unique<GammaDistribution>(0.001, 1); },
     [](Distribution& d) { return d.quantile(0.05); }},
    {"gamma_2.5_1/pdf_3", [] { return std::make_unique<GammaDistribution>(2.5, 1); },
     [](Distribution& d) { return d.pdf(3); }},
    {"chi_square_1e6/quantile_1e-12", [] { return std::make_unique<ChiSquareDistribution>(1e6); },
     [](Distribution& d) { return d.quantile(1e-12); }},
    {"beta_2_3/cdf_0.4", [] { return std::make_unique<BetaDistribution>(2, 3); },
     [](Distribution& d) { return d.cdf(0.4); }},
    {"beta_5e5_0.5/cdf_0.999999", [] { return std::make_unique<BetaDistribution>(5e5, 0.5); },
     [](Distribution& d) { return d.cdf(0.999999); }},
    {"beta_50_70/quantile_0.999", [] { return std::make_unique<BetaDistribution>(50, 70); },
     [](Distribution& d) { return d.quantile(0.999); }},
    {"student_9999/cdf_0.1", [] { return std::make_unique<StudentDistribution>(9999); },
     [](Distribution& d) { return d.cdf(0.1); }},
    {"student_1e6/cdf_0.1", [] { return std::make_unique<StudentDistribution>(1e6); },
     [](Distribution& d) { return d.cdf(0.1); }},
    {"student_1/quantile_0.98", [] { return std::make_unique<StudentDistribution>(1); },
     [](Distribution& d) { return d.quantile(0.98); }},
    {"f_1e6_50/quantile_1e-12", [] { return std::make_unique<FDistribution>(1e6, 50); },
     [](Distribution& d) { return d.quantile(1e-12); }},
    {"f_5_10/graph_high", [] { return std::make_unique<FDistribution>(5, 10); },
     [](Distribution& d) { return d.graphHigh(); }},
};

const bool registered = registerOperationCases(familyCases);

}  // namespace
