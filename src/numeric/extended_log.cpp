#include "numeric/extended_log.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "numeric/constants.h"

namespace {

// log x = e ln2 + log c + log(1 + u) for x = 2^e c (1 + u), c = 1 + i/128 the
// table point nearest x's significand, so |u| <= 2^-8 and the series of
// log(1 + u) is short (Tang (1990), "Table-driven implementation of the
// logarithm function in IEEE floating-point arithmetic").
constexpr int tableSteps = 128;

// From tools/derive_log_table.py.
using constants::ln2Head;
using constants::ln2Tail;
constexpr DoubleDouble logTable[129] = {
    {0x0.0p+0, 0x0.0p+0},
    {0x1.fe02a6b100000p-8, 0x1.9e23f0dda40e4p-46},
    {0x1.fc0a8b0fc0000p-7, 0x1.f1e7cf6d3a69cp-50},
    {0x1.7b91b07d60000p-6, -0x1.3b955b602ace4p-44},
    {0x1.f829b0e780000p-6, 0x1.980267c7e09e4p-45},
    {0x1.39e87b9fe8000p-5, 0x1.eafd480ad9015p-44},
    {0x1.77458f6330000p-5, -0x1.181dce586af09p-44},
    {0x1.b42dd71198000p-5, -0x1.c827ae5d6704cp-46},
    {0x1.f0a30c0118000p-5, -0x1.d599e83368e91p-45},
    {0x1.16536eea38000p-4, -0x1.47c5e768fa309p-46},
    {0x1.341d7961bc000p-4, 0x1.1d09299837610p-44},
    {0x1.51b073f060000p-4, 0x1.83f69278e686ap-44},
    {0x1.6f0d28ae58000p-4, -0x1.4b4641b664613p-44},
    {0x1.8c345d6318000p-4, 0x1.b20f5acb42a66p-44},
    {0x1.a926d3a4ac000p-4, 0x1.563650bd22a9cp-44},
    {0x1.c5e548f5bc000p-4, 0x1.d0c57585fbe06p-46},
    {0x1.e27076e2b0000p-4, -0x1.a342c2af0003cp-45},
    {0x1.fec9131dc0000p-4, -0x1.54555d1ae6607p-44},
    {0x1.0d77e7cd08000p-3, 0x1.cb2cd2ee2f482p-44},
    {0x1.1b72ad52f6000p-3, 0x1.e80a41811a396p-45},
    {0x1.29552f8200000p-3, -0x1.5b967f4471dfcp-44},
    {0x1.371fc201e8000p-3, 0x1.ee8779b2d8abcp-44},
    {0x1.44d2b6ccb8000p-3, -0x1.70cc16135783cp-46},
    {0x1.526e5e3a1c000p-3, -0x1.790ba37fc5238p-44},
    {0x1.5ff3070a7a000p-3, -0x1.8586f183bebf2p-44},
    {0x1.6d60fe719e000p-3, -0x1.bc6e557134767p-44},
    {0x1.7ab890210e000p-3, -0x1.bdb9072534a58p-45},
    {0x1.87fa06520c000p-3, 0x1.22120401202fcp-44},
    {0x1.9525a9cf46000p-3, -0x1.297137d9f158fp-44},
    {0x1.a23bc1fe2c000p-3, -0x1.539cd91dc9f0bp-44},
    {0x1.af3c94e80c000p-3, -0x1.a4e633fcd9066p-52},
    {0x1.bc286742d8000p-3, 0x1.9ac53f39d121cp-44},
    {0x1.c8ff7c79aa000p-3, -0x1.7794f689f8434p-45},
    {0x1.d5c216b4fc000p-3, -0x1.1ba91bbca681bp-45},
    {0x1.e27076e2b0000p-3, -0x1.a342c2af0003cp-44},
    {0x1.ef0adcbdc6000p-3, -0x1.b26b79c86af24p-45},
    {0x1.fb9186d5e4000p-3, -0x1.d572aab993c87p-47},
    {0x1.0402594b4d000p-2, 0x1.036b89ef42d7fp-48},
    {0x1.0a324e2739000p-2, 0x1.c6bee7ef4030ep-47},
    {0x1.1058bf9ae5000p-2, -0x1.4ab9d817d52cdp-44},
    {0x1.1675cababa000p-2, 0x1.8380e731f55c4p-44},
    {0x1.1c898c169a000p-2, -0x1.81410e5c62affp-44},
    {0x1.22941fbcf8000p-2, -0x1.a6976f5eb0963p-44},
    {0x1.2895a13de8000p-2, 0x1.a8d7ad24c13f0p-44},
    {0x1.2e8e2bae12000p-2, -0x1.67b1e99b72bd8p-45},
    {0x1.347dd9a988000p-2, -0x1.5594dd4c58092p-45},
    {0x1.3a64c55694000p-2, 0x1.7a71cbcd735d0p-44},
    {0x1.404308686a000p-2, 0x1.f8ef43049f7d3p-44},
    {0x1.4618bc21c6000p-2, -0x1.3d82f484c84ccp-46},
    {0x1.4be5f95778000p-2, -0x1.d7c92cd9ad824p-44},
    {0x1.51aad872e0000p-2, -0x1.f4bd8db0a7cc1p-44},
    {0x1.5767717456000p-2, -0x1.64ead9524d7cap-44},
    {0x1.5d1bdbf581000p-2, -0x1.8d6bdc9c7c238p-44},
    {0x1.62c82f2b9c000p-2, 0x1.e54bdbd7c8a98p-44},
    {0x1.686c81e9b1000p-2, 0x1.2bb110af84054p-44},
    {0x1.6e08eaa2ba000p-2, 0x1.e38c139318d71p-46},
    {0x1.739d7f6bbd000p-2, 0x1.a7389314feb50p-52},
    {0x1.792a55fdd4000p-2, 0x1.e89f057691feap-44},
    {0x1.7eaf83b82b000p-2, -0x1.e4da62d0c25adp-49},
    {0x1.842d1da1e9000p-2, -0x1.3a2db13ae687cp-44},
    {0x1.89a3386c14000p-2, 0x1.2d5ad38c40882p-45},
    {0x1.8f11e87366000p-2, 0x1.63bf0bb4eab4cp-45},
    {0x1.947941c211000p-2, 0x1.beae9337451f4p-44},
    {0x1.99d958117e000p-2, 0x1.1597525dd88f0p-47},
    {0x1.9f323ecbfa000p-2, -0x1.ed03525ca2643p-44},
    {0x1.a484090e5c000p-2, -0x1.3d7500d6523c5p-44},
    {0x1.a9cec9a9a1000p-2, -0x1.ed9cadec02b43p-44},
    {0x1.af12932478000p-2, -0x1.e53bb31eed7a9p-44},
    {0x1.b44f77bcc9000p-2, -0x1.3ae68224aa2cep-47},
    {0x1.b985896931000p-2, 0x1.f6b31f629f11ep-47},
    {0x1.beb4d9da72000p-2, -0x1.21021e78b2151p-44},
    {0x1.c3dd7a7cdb000p-2, -0x1.5946261f5a42bp-45},
    {0x1.c8ff7c79aa000p-2, -0x1.7794f689f8434p-44},
    {0x1.ce1af0b85f000p-2, 0x1.f5bdbe95e5568p-45},
    {0x1.d32fe7e00f000p-2, -0x1.0aa7884dcd050p-44},
    {0x1.d83e7258a3000p-2, -0x1.835f5d48ba26dp-47},
    {0x1.dd46a04c1c000p-2, 0x1.282fb989a9274p-44},
    {0x1.e24881a7c7000p-2, -0x1.ecf1a1385d356p-45},
    {0x1.e744261d68000p-2, 0x1.e1f8df68dbcf3p-44},
    {0x1.ec399d2469000p-2, -0x1.9ff45188d6065p-45},
    {0x1.f128f5faf0000p-2, 0x1.bb2cd720ec44cp-44},
    {0x1.f6123fa703000p-2, -0x1.d4e7aea4f0d25p-44},
    {0x1.faf588f78f000p-2, 0x1.8f6cd7d9f2754p-45},
    {0x1.ffd2e0857f000p-2, 0x1.261565f40d932p-44},
    {0x1.02552a5a5d000p-1, 0x1.fd8d38d2bafddp-46},
    {0x1.04bdf9da92800p-1, -0x1.2d9a033eff74ep-45},
    {0x1.0723e5c1ce000p-1, -0x1.7f6350d38edddp-46},
    {0x1.0986f4f573800p-1, -0x1.6fa37012b5806p-44},
    {0x1.0be72e4252800p-1, 0x1.415b4c4bdd99fp-44},
    {0x1.0e44985d1d000p-1, -0x1.ba048a8d10b4bp-44},
    {0x1.109f39e2d5000p-1, -0x1.b4810e09b27a4p-44},
    {0x1.12f719593f000p-1, -0x1.0eb3fb7398e0cp-47},
    {0x1.154c3d2f4d800p-1, -0x1.0b2b38662e34dp-44},
    {0x1.179eabbd89800p-1, 0x1.a0bfc60e6fa08p-45},
    {0x1.19ee6b467c800p-1, 0x1.6ecc5cbdd7782p-45},
    {0x1.1c3b81f714000p-1, -0x1.eda1b58389902p-44},
    {0x1.1e85f5e704000p-1, 0x1.a07bd8b34be7cp-46},
    {0x1.20cdcd192a800p-1, 0x1.b6c9a81e87baep-44},
    {0x1.23130d7bec000p-1, -0x1.7afa4392f1ba7p-46},
    {0x1.2555bce98f800p-1, -0x1.a61fde292977ep-48},
    {0x1.2795e1289b000p-1, 0x1.1aeb783f3db97p-45},
    {0x1.29d37fec2b000p-1, 0x1.1590b9ad974bap-46},
    {0x1.2c0e9ed449000p-1, -0x1.74468563ce45dp-45},
    {0x1.2e47436e40000p-1, 0x1.34202a10c3491p-44},
    {0x1.307d7334f1000p-1, 0x1.7c3f6b2143eadp-46},
    {0x1.32b1339122000p-1, -0x1.4766fd54a4c27p-44},
    {0x1.34e289d9ce000p-1, 0x1.d316eb92d885dp-45},
    {0x1.37117b5474800p-1, -0x1.28e88bf6deec9p-47},
    {0x1.393e0d3562800p-1, 0x1.0cd4e221301b7p-44},
    {0x1.3b6844a000000p-1, -0x1.eea838909f3d3p-44},
    {0x1.3d9026a715800p-1, -0x1.055bfbd9c2f53p-45},
    {0x1.3fb5b84d17000p-1, -0x1.7b4962c55f46bp-46},
    {0x1.41d8fe8467000p-1, 0x1.5732325e617a3p-44},
    {0x1.43f9fe2f9d000p-1, -0x1.98858d84649f1p-45},
    {0x1.4618bc21c6000p-1, -0x1.3d82f484c84ccp-45},
    {0x1.48353d1ea8800p-1, 0x1.bee7abd176604p-46},
    {0x1.4a4f85db04000p-1, -0x1.44fdd840b8591p-45},
    {0x1.4c679afccf000p-1, -0x1.c64e971322ce8p-45},
    {0x1.4e7d811b75800p-1, 0x1.d84e584c2b22cp-44},
    {0x1.50913cc016800p-1, 0x1.ad2f2ce96c2d6p-47},
    {0x1.52a2d265bc800p-1, -0x1.2a88c41ba8752p-44},
    {0x1.54b2467999800p-1, -0x1.b42b755eba5e1p-44},
    {0x1.56bf9d5b3f000p-1, 0x1.cca08e310b9b2p-44},
    {0x1.58cadb5cd7800p-1, 0x1.893092f25d931p-45},
    {0x1.5ad404c35a000p-1, -0x1.a609acaab41fcp-46},
    {0x1.5cdb1dc6c1800p-1, -0x1.36e612387451fp-46},
    {0x1.5ee02a9241800p-1, -0x1.8a8f29f6a02dcp-45},
    {0x1.60e32f4478800p-1, 0x1.b194f912b416ap-46},
    {0x1.62e42fefa3800p-1, 0x1.ef35793c76730p-45},
};

constexpr std::uint64_t significandBits = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t exponentOfOne = std::uint64_t{1023} << 52;

// log(1 + u) - u + u^2/2 = u^3 (1/3 - u/4 + u^2/5 - ...) for |u| <= 2^-8;
// the first term left out, u^10/10, is below 2^-83.
double cubicPart(double u)
{
    const double series =
        1.0 / 3 +
        u * (-1.0 / 4 +
             u * (1.0 / 5 + u * (-1.0 / 6 + u * (1.0 / 7 + u * (-1.0 / 8 + u * (1.0 / 9 + u * (-1.0 / 10)))))));
    return u * u * u * series;
}

}  // namespace

WITH_FUSED_MULTIPLY_ADD DoubleDouble extendedLog(double x)
{
    if (!(x > 0.0 && x <= DBL_MAX)) return {std::log(x), 0.0};
    int e = 0;
    if (x < DBL_MIN) {
        x *= 0x1p54;
        e = -54;
    }
    const auto bits = std::bit_cast<std::uint64_t>(x);
    e += static_cast<int>(bits >> 52) - 1023;
    const double f = std::bit_cast<double>((bits & significandBits) | exponentOfOne);
    // f - c is exact: both lie in [1, 2] on the grid of 2^-52, within 2^-8.
    const int i = static_cast<int>((f - 1.0) * tableSteps + 0.5);
    const double c = 1.0 + i * (1.0 / tableSteps);
    const DoubleDouble u = divide({f - c, 0.0}, c);
    // u - u^2/2 in two parts, as that is the whole value near x = 1 (c = 1 or
    // 2): the rounding of the square alone would cost 2^-70 there.
    const DoubleDouble halfSquare = twoProduct(u.hi, 0.5 * u.hi);
    const DoubleDouble linear = quickTwoSum(u.hi, -halfSquare.hi);
    // e ln2Head + the table's head is exact: both are whole multiples of
    // 2^-42 and their sum is below 2^10.
    const DoubleDouble head = twoSum(e * ln2Head + logTable[i].hi, linear.hi);
    const double tail = (e * ln2Tail + logTable[i].lo) + (linear.lo - halfSquare.lo) +
                        (u.lo * (1.0 - u.hi * (1.0 - u.hi)) + cubicPart(u.hi));
    return twoSum(head.hi, head.lo + tail);
}
