#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "numeric/arithmetic.h"
#include "numeric/constants.h"
#include "numeric/double_double.h"

// log x inline, for the closed forms that take one logarithm per call: the
// library's log is an opaque call, around which they must spill their live
// values. Within 0.52 units in the last place.
//
// x = 2^e m with m in [1, 2); the table entry i = round(256 (m - 1)) holds an
// inverse v near 1/m with 9 significant bits and -log v in two parts, so
// log x = e ln2 - log v + log1p(r) with r = m v - 1, |r| < 2^-8.4. Without
// a fused multiply-add r is still exact: m is split into its top 44 bits, whose
// product with v has 53, and the low 9; and r lies on the grid of 2^-61.
// The entries at m = 1 and m = 2 (and the one below 2) are 1 and 1/2 exactly,
// so that from 1 - 3 2^-10 to 1 + 2^-10 the result is log1p(r) alone and keeps
// its relative accuracy where log x is small.
// Zero, negative, subnormal and non-finite x go to the library's log.
namespace inline_log {

struct LogTableEntry {
    double inverse, logHead, logTail;
};

// From tools/derive_inline_log_table.py. -log v = head + tail, the head a
// whole multiple of 2^-42 as ln2Head, so that e ln2Head + head is exact.
using constants::ln2Head;
using constants::ln2Tail;
constexpr double seriesCoefficients[] = {0x1.5555555555555p-2, -0x1.ffffffffe6affp-3, 0x1.9999999983199p-3,
                                         -0x1.55560955a6558p-3, 0x1.2492e924dbec3p-3};
constexpr LogTableEntry logTable[257] = {
    {0x1.0000000000000p+0, 0x0.0p+0, 0x0.0p+0},
    {0x1.fe00000000000p-1, 0x1.0080559580000p-8, 0x1.166afcb31c67bp-45},
    {0x1.fc00000000000p-1, 0x1.0101575880000p-7, 0x1.bce251998b506p-44},
    {0x1.fa00000000000p-1, 0x1.82448a3880000p-7, 0x1.4554412c584e0p-44},
    {0x1.f800000000000p-1, 0x1.0205658930000p-6, 0x1.611d27c8e8417p-44},
    {0x1.f600000000000p-1, 0x1.432a925980000p-6, 0x1.98139928637fep-47},
    {0x1.f400000000000p-1, 0x1.8492528c90000p-6, -0x1.aa0ba325a0c34p-45},
    {0x1.f200000000000p-1, 0x1.c63d2ec150000p-6, -0x1.5439ce030a687p-44},
    {0x1.f000000000000p-1, 0x1.0415d89e78000p-5, -0x1.dddc7f461c516p-44},
    {0x1.ef00000000000p-1, 0x1.149e3e4008000p-5, -0x1.2b98a9a4168fdp-44},
    {0x1.ed00000000000p-1, 0x1.35c8bfaa10000p-5, 0x1.8357d5ef9eb35p-44},
    {0x1.eb00000000000p-1, 0x1.5715c4c040000p-5, -0x1.8888ddfc47628p-44},
    {0x1.e900000000000p-1, 0x1.788595a358000p-5, -0x1.08b0d083b3a4cp-46},
    {0x1.e700000000000p-1, 0x1.9a187b5740000p-5, -0x1.0c22e4ec4d90dp-44},
    {0x1.e500000000000p-1, 0x1.bbcebfc690000p-5, -0x1.7bf868c317c2ap-46},
    {0x1.e400000000000p-1, 0x1.ccb73cddd8000p-5, 0x1.965c36e09f5fep-44},
    {0x1.e200000000000p-1, 0x1.eea31c0068000p-5, 0x1.c3dd83606d891p-44},
    {0x1.e000000000000p-1, 0x1.08598b59e4000p-4, -0x1.7e5dd7009902cp-46},
    {0x1.de00000000000p-1, 0x1.1973bd1464000p-4, 0x1.566d154f930b3p-44},
    {0x1.dd00000000000p-1, 0x1.2207b5c784000p-4, 0x1.49d8cfc10c7bfp-44},
    {0x1.db00000000000p-1, 0x1.333d7f8184000p-4, -0x1.692b6a81b8848p-49},
    {0x1.d900000000000p-1, 0x1.4485e03dbc000p-4, 0x1.fad46e8d26ab7p-44},
    {0x1.d700000000000p-1, 0x1.55e10050e0000p-4, 0x1.c1d740c53c72ep-47},
    {0x1.d600000000000p-1, 0x1.5e95a4d978000p-4, 0x1.1cb7ce1d17171p-44},
    {0x1.d400000000000p-1, 0x1.700d30aeac000p-4, 0x1.c1e8da99ded32p-49},
    {0x1.d200000000000p-1, 0x1.8197e2f410000p-4, -0x1.c0fe460d20041p-44},
    {0x1.d100000000000p-1, 0x1.8a6477a91c000p-4, 0x1.c28c0af9bd6dfp-44},
    {0x1.cf00000000000p-1, 0x1.9c0c32d4d4000p-4, -0x1.ab7c09e838668p-44},
    {0x1.ce00000000000p-1, 0x1.a4e7640b1c000p-4, -0x1.e42b6b94407c8p-47},
    {0x1.cc00000000000p-1, 0x1.b6ac88dad4000p-4, 0x1.b1bdff50225c7p-44},
    {0x1.ca00000000000p-1, 0x1.c885801bc4000p-4, 0x1.646d1c65aacd3p-45},
    {0x1.c900000000000p-1, 0x1.d179788218000p-4, 0x1.36433b5efbeedp-44},
    {0x1.c700000000000p-1, 0x1.e3707ee304000p-4, 0x1.0f684e6766abdp-45},
    {0x1.c600000000000p-1, 0x1.ec739830a0000p-4, 0x1.11fcba80cdd10p-44},
    {0x1.c400000000000p-1, 0x1.fe89139dbc000p-4, 0x1.56594d82f7a82p-44},
    {0x1.c200000000000p-1, 0x1.08598b59e4000p-3, -0x1.7e5dd7009902cp-45},
    {0x1.c100000000000p-1, 0x1.0ce7ecdccc000p-3, 0x1.4652dabff5447p-46},
    {0x1.bf00000000000p-1, 0x1.160c8024b2000p-3, 0x1.ec2d2a9009e3dp-45},
    {0x1.be00000000000p-1, 0x1.1aa2b7e240000p-3, -0x1.1ac38dde3b366p-44},
    {0x1.bc00000000000p-1, 0x1.23d712a49c000p-3, 0x1.00d238fd3df5cp-46},
    {0x1.bb00000000000p-1, 0x1.28753bc11a000p-3, 0x1.7494e359302e6p-44},
    {0x1.b900000000000p-1, 0x1.31b994d3a4000p-3, 0x1.f098ee3a50810p-44},
    {0x1.b800000000000p-1, 0x1.365fcb015a000p-3, -0x1.fd3a0afb9691bp-44},
    {0x1.b600000000000p-1, 0x1.3fb45a5992000p-3, 0x1.19713c0cae559p-44},
    {0x1.b500000000000p-1, 0x1.4462b9dc9c000p-3, -0x1.84858a711b062p-44},
    {0x1.b300000000000p-1, 0x1.4dc7b897bc000p-3, 0x1.c79b60ae1ff0fp-47},
    {0x1.b200000000000p-1, 0x1.527e5e4a1c000p-3, -0x1.4e60b8d4b411dp-44},
    {0x1.b100000000000p-1, 0x1.5737cc9018000p-3, 0x1.9baa7a6b887f6p-44},
    {0x1.af00000000000p-1, 0x1.60b3100b0a000p-3, -0x1.71456c988f814p-44},
    {0x1.ae00000000000p-1, 0x1.6574ebe8c2000p-3, -0x1.98c1d34f0f462p-44},
    {0x1.ac00000000000p-1, 0x1.6f0128b756000p-3, 0x1.577390d31ef0fp-44},
    {0x1.ab00000000000p-1, 0x1.73cb9074fe000p-3, -0x1.d66a90d0005a6p-44},
    {0x1.aa00000000000p-1, 0x1.7898d85444000p-3, 0x1.8e67be3dbaf3fp-44},
    {0x1.a800000000000p-1, 0x1.823c16551a000p-3, 0x1.e0ddb9a631e83p-46},
    {0x1.a700000000000p-1, 0x1.871213750e000p-3, 0x1.328eb42f9af75p-44},
    {0x1.a500000000000p-1, 0x1.90c6db9fcc000p-3, -0x1.935f57718d7cap-46},
    {0x1.a400000000000p-1, 0x1.95a5adcf70000p-3, 0x1.7f22858a0ff6fp-47},
    {0x1.a300000000000p-1, 0x1.9a8778deba000p-3, 0x1.470fa3efec390p-44},
    {0x1.a100000000000p-1, 0x1.a454082e6a000p-3, 0x1.60a77c81f7171p-44},
    {0x1.a000000000000p-1, 0x1.a93ed3c8ae000p-3, -0x1.8724350562169p-45},
    {0x1.9f00000000000p-1, 0x1.ae2ca6f672000p-3, 0x1.7a8d5ae54f550p-44},
    {0x1.9d00000000000p-1, 0x1.b811730b82000p-3, 0x1.e90683b9cd768p-46},
    {0x1.9c00000000000p-1, 0x1.bd087383be000p-3, -0x1.d4bc4595412b6p-45},
    {0x1.9b00000000000p-1, 0x1.c2028ab180000p-3, -0x1.92e0ee55c7ac6p-45},
    {0x1.9a00000000000p-1, 0x1.c6ffbc6f00000p-3, 0x1.ee138d3a69d43p-44},
    {0x1.9800000000000p-1, 0x1.d1037f2656000p-3, -0x1.84a7e75b6f6e4p-47},
    {0x1.9700000000000p-1, 0x1.d60a17f904000p-3, -0x1.5d6e06fc20d39p-44},
    {0x1.9600000000000p-1, 0x1.db13db0d48000p-3, 0x1.2806a847527e6p-44},
    {0x1.9500000000000p-1, 0x1.e020cc6236000p-3, -0x1.52b00adb91424p-45},
    {0x1.9300000000000p-1, 0x1.ea4449f04a000p-3, 0x1.5e91663732a36p-44},
    {0x1.9200000000000p-1, 0x1.ef5ade4dd0000p-3, -0x1.a211565bb8e11p-51},
    {0x1.9100000000000p-1, 0x1.f474b134e0000p-3, -0x1.bae49f1df7b5ep-44},
    {0x1.9000000000000p-1, 0x1.f991c6cb3c000p-3, -0x1.90d04cd7cc834p-44},
    {0x1.8e00000000000p-1, 0x1.01eae5626c000p-2, 0x1.a43dcfade85aep-44},
    {0x1.8d00000000000p-1, 0x1.047e60cde8000p-2, 0x1.dbdf10d397f3cp-45},
    {0x1.8c00000000000p-1, 0x1.07138604d6000p-2, -0x1.e76324e912b17p-44},
    {0x1.8b00000000000p-1, 0x1.09aa572e6c000p-2, 0x1.b50a1e1734342p-44},
    {0x1.8a00000000000p-1, 0x1.0c42d67616000p-2, 0x1.7188b163ceae9p-45},
    {0x1.8800000000000p-1, 0x1.1178e8227e000p-2, 0x1.1ef78ce2d07f2p-44},
    {0x1.8700000000000p-1, 0x1.14167ef367000p-2, 0x1.e0c07824daaf5p-44},
    {0x1.8600000000000p-1, 0x1.16b5ccbad0000p-2, -0x1.23299042d74bfp-44},
    {0x1.8500000000000p-1, 0x1.1956d3b9bc000p-2, 0x1.7d2f73ad1aa14p-45},
    {0x1.8400000000000p-1, 0x1.1bf99635a7000p-2, -0x1.1ac89575c2125p-44},
    {0x1.8300000000000p-1, 0x1.1e9e16788a000p-2, -0x1.82eaed3c8b65ep-44},
    {0x1.8200000000000p-1, 0x1.214456d0ec000p-2, -0x1.caf0428b728a3p-44},
    {0x1.8000000000000p-1, 0x1.269621134e000p-2, -0x1.1b61f10522625p-44},
    {0x1.7f00000000000p-1, 0x1.2941afb187000p-2, -0x1.210c2b730e28bp-44},
    {0x1.7e00000000000p-1, 0x1.2bef07cdc9000p-2, 0x1.a9cfa4a5004f4p-45},
    {0x1.7d00000000000p-1, 0x1.2e9e2bce12000p-2, 0x1.4300c128d1dc2p-45},
    {0x1.7c00000000000p-1, 0x1.314f1e1d36000p-2, -0x1.8e27ad3213cb8p-45},
    {0x1.7b00000000000p-1, 0x1.3401e12aed000p-2, -0x1.17c73556e291dp-44},
    {0x1.7a00000000000p-1, 0x1.36b6776be1000p-2, 0x1.16ecdb0f177c8p-46},
    {0x1.7900000000000p-1, 0x1.396ce359bc000p-2, -0x1.5839c5663663dp-47},
    {0x1.7800000000000p-1, 0x1.3c25277333000p-2, 0x1.83b54b606bd5cp-46},
    {0x1.7600000000000p-1, 0x1.419b423d5f000p-2, -0x1.ce379226de3ecp-44},
    {0x1.7500000000000p-1, 0x1.44591e053a000p-2, -0x1.6e95892923d88p-47},
    {0x1.7400000000000p-1, 0x1.4718dc271c000p-2, 0x1.06c18fb4c14c5p-44},
    {0x1.7300000000000p-1, 0x1.49da7f3bcc000p-2, 0x1.07b334daf4b9ap-44},
    {0x1.7200000000000p-1, 0x1.4c9e09e173000p-2, -0x1.e20891b0ad8a4p-45},
    {0x1.7100000000000p-1, 0x1.4f637ebbaa000p-2, -0x1.fc158cb3124b9p-44},
    {0x1.7000000000000p-1, 0x1.522ae0738a000p-2, 0x1.ebe708164c759p-45},
    {0x1.6f00000000000p-1, 0x1.54f431b7be000p-2, 0x1.a8954c0910952p-46},
    {0x1.6e00000000000p-1, 0x1.57bf753c8d000p-2, 0x1.fadedee5d40efp-46},
    {0x1.6d00000000000p-1, 0x1.5a8cadbbee000p-2, -0x1.7c79b0af7ecf8p-48},
    {0x1.6c00000000000p-1, 0x1.5d5bddf596000p-2, -0x1.a0b2a08a465dcp-47},
    {0x1.6b00000000000p-1, 0x1.602d08af09000p-2, 0x1.ebe9176df3f65p-46},
    {0x1.6a00000000000p-1, 0x1.630030b3ab000p-2, -0x1.db623e731ae00p-45},
    {0x1.6900000000000p-1, 0x1.65d558d4ce000p-2, 0x1.544fd2dc5bdc0p-51},
    {0x1.6800000000000p-1, 0x1.68ac83e9c7000p-2, -0x1.7af966c548a30p-44},
    {0x1.6700000000000p-1, 0x1.6b85b4cffa000p-2, 0x1.fe6750d372503p-45},
    {0x1.6600000000000p-1, 0x1.6e60ee6af2000p-2, -0x1.a37a6a0f7749ep-44},
    {0x1.6500000000000p-1, 0x1.713e33a46a000p-2, 0x1.7b9b2617e9472p-46},
    {0x1.6400000000000p-1, 0x1.741d876c68000p-2, -0x1.13a7b5b11cfa7p-44},
    {0x1.6300000000000p-1, 0x1.76feecb947000p-2, 0x1.74bb9c9852c57p-46},
    {0x1.6200000000000p-1, 0x1.79e26687d0000p-2, -0x1.309c168817444p-44},
    {0x1.6100000000000p-1, 0x1.7cc7f7db47000p-2, -0x1.7c98438023cdcp-44},
    {0x1.6000000000000p-1, 0x1.7fafa3bd81000p-2, 0x1.46fb79bf6d4cbp-44},
    {0x1.5f00000000000p-1, 0x1.82996d3ef9000p-2, -0x1.0d52aa30536bbp-44},
    {0x1.5e00000000000p-1, 0x1.85855776dd000p-2, -0x1.015486666443bp-44},
    {0x1.5e00000000000p-1, 0x1.85855776dd000p-2, -0x1.015486666443bp-44},
    {0x1.5d00000000000p-1, 0x1.8873658328000p-2, -0x1.988e21f7fc497p-45},
    {0x1.5c00000000000p-1, 0x1.8b639a88b3000p-2, -0x1.05ae1e5e70470p-45},
    {0x1.5b00000000000p-1, 0x1.8e55f9b34a000p-2, -0x1.1f21d89c89c45p-44},
    {0x1.5a00000000000p-1, 0x1.914a8635bf000p-2, 0x1.a2652b44673e1p-44},
    {0x1.5900000000000p-1, 0x1.9441434a03000p-2, 0x1.2cb81c95fff43p-45},
    {0x1.5800000000000p-1, 0x1.973a343135000p-2, 0x1.ab73b16bf4984p-44},
    {0x1.5700000000000p-1, 0x1.9a355c33bd000p-2, 0x1.ae73535438bebp-44},
    {0x1.5600000000000p-1, 0x1.9d32bea15f000p-2, -0x1.6279e10d0c0b0p-45},
    {0x1.5500000000000p-1, 0x1.a0325ed150000p-2, -0x1.2dc20b0d5e095p-45},
    {0x1.5400000000000p-1, 0x1.a334402250000p-2, -0x1.61cdd40314305p-44},
    {0x1.5400000000000p-1, 0x1.a334402250000p-2, -0x1.61cdd40314305p-44},
    {0x1.5300000000000p-1, 0x1.a63865fabd000p-2, 0x1.d7bae3eeaa2e6p-47},
    {0x1.5200000000000p-1, 0x1.a93ed3c8ae000p-2, -0x1.8724350562169p-44},
    {0x1.5100000000000p-1, 0x1.ac478d0205000p-2, 0x1.bc0e8cc8a54afp-48},
    {0x1.5000000000000p-1, 0x1.af5295248d000p-2, -0x1.17cc552774458p-45},
    {0x1.4f00000000000p-1, 0x1.b25fefb60d000p-2, -0x1.347cf9c45db45p-44},
    {0x1.4e00000000000p-1, 0x1.b56fa04463000p-2, -0x1.bdab6b49ef99bp-44},
    {0x1.4e00000000000p-1, 0x1.b56fa04463000p-2, -0x1.bdab6b49ef99bp-44},
    {0x1.4d00000000000p-1, 0x1.b881aa659c000p-2, -0x1.b65ac58ba5c9cp-45},
    {0x1.4c00000000000p-1, 0x1.bb9611b80e000p-2, 0x1.7d85bf40a666dp-45},
    {0x1.4b00000000000p-1, 0x1.beacd9e272000p-2, -0x1.4bac8923c3257p-44},
    {0x1.4a00000000000p-1, 0x1.c1c60693fa000p-2, 0x1.cec807fe8e180p-45},
    {0x1.4900000000000p-1, 0x1.c4e19b8472000p-2, 0x1.e0d23293066a0p-45},
    {0x1.4900000000000p-1, 0x1.c4e19b8472000p-2, 0x1.e0d23293066a0p-45},
    {0x1.4800000000000p-1, 0x1.c7ff9c7455000p-2, 0x1.324911f56db29p-44},
    {0x1.4700000000000p-1, 0x1.cb200d2ceb000p-2, 0x1.90b9d9a2cb517p-44},
    {0x1.4600000000000p-1, 0x1.ce42f18064000p-2, 0x1.d0d0798270b2ap-44},
    {0x1.4500000000000p-1, 0x1.d1684d49f4000p-2, 0x1.ab9d98a582718p-44},
    {0x1.4400000000000p-1, 0x1.d490246df0000p-2, -0x1.652280b2c4c2cp-44},
    {0x1.4400000000000p-1, 0x1.d490246df0000p-2, -0x1.652280b2c4c2cp-44},
    {0x1.4300000000000p-1, 0x1.d7ba7ad9e8000p-2, -0x1.3022bb88a325bp-45},
    {0x1.4200000000000p-1, 0x1.dae75484c9000p-2, 0x1.856f4a7c8e7a6p-44},
    {0x1.4100000000000p-1, 0x1.de16b56ef9000p-2, 0x1.e08cfe6fe4752p-47},
    {0x1.4000000000000p-1, 0x1.e148a1a272000p-2, 0x1.b36537e3375b2p-44},
    {0x1.4000000000000p-1, 0x1.e148a1a272000p-2, 0x1.b36537e3375b2p-44},
    {0x1.3f00000000000p-1, 0x1.e47d1d32e6000p-2, 0x1.df865b95578b8p-44},
    {0x1.3e00000000000p-1, 0x1.e7b42c3ddb000p-2, -0x1.465505372bd08p-45},
    {0x1.3d00000000000p-1, 0x1.eaedd2eaca000p-2, -0x1.bcf314a1b2d37p-44},
    {0x1.3d00000000000p-1, 0x1.eaedd2eaca000p-2, -0x1.bcf314a1b2d37p-44},
    {0x1.3c00000000000p-1, 0x1.ee2a156b41000p-2, 0x1.f27f45a470251p-45},
    {0x1.3b00000000000p-1, 0x1.f168f7fb06000p-2, -0x1.d6fb40a7c0c6ep-45},
    {0x1.3a00000000000p-1, 0x1.f4aa7ee032000p-2, -0x1.b4c86a43fad5dp-44},
    {0x1.3a00000000000p-1, 0x1.f4aa7ee032000p-2, -0x1.b4c86a43fad5dp-44},
    {0x1.3900000000000p-1, 0x1.f7eeae6b57000p-2, 0x1.873001acabb96p-44},
    {0x1.3800000000000p-1, 0x1.fb358af7a5000p-2, -0x1.def40b87d36d9p-44},
    {0x1.3700000000000p-1, 0x1.fe7f18eb04000p-2, -0x1.60f51ceb37e7ap-45},
    {0x1.3700000000000p-1, 0x1.fe7f18eb04000p-2, -0x1.60f51ceb37e7ap-45},
    {0x1.3600000000000p-1, 0x1.00e5ae5b20800p-1, -0x1.53ba3b1727b1cp-47},
    {0x1.3500000000000p-1, 0x1.028d2d6a96000p-1, 0x1.fa3fec303d080p-44},
    {0x1.3400000000000p-1, 0x1.04360be760000p-1, 0x1.d6774030d58c4p-44},
    {0x1.3400000000000p-1, 0x1.04360be760000p-1, 0x1.d6774030d58c4p-44},
    {0x1.3300000000000p-1, 0x1.05e04c1aa3000p-1, -0x1.fcfe79d1ac1c7p-44},
    {0x1.3200000000000p-1, 0x1.078bf0533c800p-1, -0x1.4bf6edf090501p-44},
    {0x1.3200000000000p-1, 0x1.078bf0533c800p-1, -0x1.4bf6edf090501p-44},
    {0x1.3100000000000p-1, 0x1.0938fae5d9000p-1, -0x1.65023ebc627dbp-45},
    {0x1.3000000000000p-1, 0x1.0ae76e2d05800p-1, -0x1.82de51de06076p-44},
    {0x1.2f00000000000p-1, 0x1.0c974c8943000p-1, 0x1.cdc0a7cdcbb87p-45},
    {0x1.2f00000000000p-1, 0x1.0c974c8943000p-1, 0x1.cdc0a7cdcbb87p-45},
    {0x1.2e00000000000p-1, 0x1.0e4898611d000p-1, -0x1.8f599fe1ffa30p-44},
    {0x1.2d00000000000p-1, 0x1.0ffb54213a800p-1, -0x1.c5108822a3283p-44},
    {0x1.2d00000000000p-1, 0x1.0ffb54213a800p-1, -0x1.c5108822a3283p-44},
    {0x1.2c00000000000p-1, 0x1.11af823c75800p-1, 0x1.53cdc223111a7p-44},
    {0x1.2b00000000000p-1, 0x1.1365252bf0800p-1, 0x1.930b4c43a97c2p-47},
    {0x1.2b00000000000p-1, 0x1.1365252bf0800p-1, 0x1.930b4c43a97c2p-47},
    {0x1.2a00000000000p-1, 0x1.151c3f6f29800p-1, -0x1.edd97a293ae49p-45},
    {0x1.2900000000000p-1, 0x1.16d4d38c11800p-1, 0x1.fa75d42395d88p-45},
    {0x1.2900000000000p-1, 0x1.16d4d38c11800p-1, 0x1.fa75d42395d88p-45},
    {0x1.2800000000000p-1, 0x1.188ee40f24000p-1, -0x1.accec41d52e6cp-44},
    {0x1.2700000000000p-1, 0x1.1a4a738b7a000p-1, 0x1.9e2b126042793p-44},
    {0x1.2700000000000p-1, 0x1.1a4a738b7a000p-1, 0x1.9e2b126042793p-44},
    {0x1.2600000000000p-1, 0x1.1c07849ae6000p-1, 0x1.cacdeed70e667p-51},
    {0x1.2500000000000p-1, 0x1.1dc619de06800p-1, 0x1.441b50bb38388p-45},
    {0x1.2500000000000p-1, 0x1.1dc619de06800p-1, 0x1.441b50bb38388p-45},
    {0x1.2400000000000p-1, 0x1.1f8635fc61800p-1, -0x1.a7242c9fe81d3p-45},
    {0x1.2300000000000p-1, 0x1.2147dba47a000p-1, 0x1.c9d579851b8b6p-44},
    {0x1.2300000000000p-1, 0x1.2147dba47a000p-1, 0x1.c9d579851b8b6p-44},
    {0x1.2200000000000p-1, 0x1.230b0d8bec000p-1, -0x1.b40fe646de661p-44},
    {0x1.2100000000000p-1, 0x1.24cfce6f81000p-1, -0x1.32cb5b2e5bdd7p-44},
    {0x1.2100000000000p-1, 0x1.24cfce6f81000p-1, -0x1.32cb5b2e5bdd7p-44},
    {0x1.2000000000000p-1, 0x1.269621134d800p-1, 0x1.c93c1df5bb3b6p-44},
    {0x1.1f00000000000p-1, 0x1.285e0842ca000p-1, 0x1.c1c4d866d5f22p-44},
    {0x1.1f00000000000p-1, 0x1.285e0842ca000p-1, 0x1.c1c4d866d5f22p-44},
    {0x1.1e00000000000p-1, 0x1.2a2786d0ec000p-1, 0x1.06d2be797882dp-45},
    {0x1.1e00000000000p-1, 0x1.2a2786d0ec000p-1, 0x1.06d2be797882dp-45},
    {0x1.1d00000000000p-1, 0x1.2bf29f9842000p-1, -0x1.e275c79e2c481p-44},
    {0x1.1c00000000000p-1, 0x1.2dbf557b0e000p-1, -0x1.7a6e507b9dc11p-46},
    {0x1.1c00000000000p-1, 0x1.2dbf557b0e000p-1, -0x1.7a6e507b9dc11p-46},
    {0x1.1b00000000000p-1, 0x1.2f8dab6363000p-1, 0x1.bcccfdd1febc9p-44},
    {0x1.1a00000000000p-1, 0x1.315da44340800p-1, -0x1.74e93c5a0ed9cp-45},
    {0x1.1a00000000000p-1, 0x1.315da44340800p-1, -0x1.74e93c5a0ed9cp-45},
    {0x1.1900000000000p-1, 0x1.332f4314ad800p-1, -0x1.a96c3d4e8a818p-47},
    {0x1.1900000000000p-1, 0x1.332f4314ad800p-1, -0x1.a96c3d4e8a818p-47},
    {0x1.1800000000000p-1, 0x1.35028ad9d9000p-1, -0x1.bd1f01ab60655p-44},
    {0x1.1700000000000p-1, 0x1.36d77e9d35000p-1, -0x1.4a061506115f9p-48},
    {0x1.1700000000000p-1, 0x1.36d77e9d35000p-1, -0x1.4a061506115f9p-48},
    {0x1.1600000000000p-1, 0x1.38ae217197800p-1, -0x1.18b7abb5569a4p-45},
    {0x1.1600000000000p-1, 0x1.38ae217197800p-1, -0x1.18b7abb5569a4p-45},
    {0x1.1500000000000p-1, 0x1.3a86767257000p-1, 0x1.112e01e8919cap-45},
    {0x1.1500000000000p-1, 0x1.3a86767257000p-1, 0x1.112e01e8919cap-45},
    {0x1.1400000000000p-1, 0x1.3c6080c36c000p-1, -0x1.2b7367cfe13c2p-47},
    {0x1.1300000000000p-1, 0x1.3e3c43918f800p-1, -0x1.27534c617cda4p-46},
    {0x1.1300000000000p-1, 0x1.3e3c43918f800p-1, -0x1.27534c617cda4p-46},
    {0x1.1200000000000p-1, 0x1.4019c2125c800p-1, 0x1.498c367879c5ap-44},
    {0x1.1200000000000p-1, 0x1.4019c2125c800p-1, 0x1.498c367879c5ap-44},
    {0x1.1100000000000p-1, 0x1.41f8ff8472000p-1, -0x1.4f7845166b2e1p-44},
    {0x1.1000000000000p-1, 0x1.43d9ff2f92000p-1, 0x1.e267b0b7efae1p-44},
    {0x1.1000000000000p-1, 0x1.43d9ff2f92000p-1, 0x1.e267b0b7efae1p-44},
    {0x1.0f00000000000p-1, 0x1.45bcc464c8800p-1, 0x1.3a145b00234d8p-45},
    {0x1.0f00000000000p-1, 0x1.45bcc464c8800p-1, 0x1.3a145b00234d8p-45},
    {0x1.0e00000000000p-1, 0x1.47a1527e8a000p-1, 0x1.69a4a83594fabp-44},
    {0x1.0e00000000000p-1, 0x1.47a1527e8a000p-1, 0x1.69a4a83594fabp-44},
    {0x1.0d00000000000p-1, 0x1.4987ace0da800p-1, 0x1.d83ed15c6b2f4p-44},
    {0x1.0d00000000000p-1, 0x1.4987ace0da800p-1, 0x1.d83ed15c6b2f4p-44},
    {0x1.0c00000000000p-1, 0x1.4b6fd6f971000p-1, -0x1.f047750959d5fp-44},
    {0x1.0b00000000000p-1, 0x1.4d59d43fda800p-1, 0x1.d0f65949c0a34p-44},
    {0x1.0b00000000000p-1, 0x1.4d59d43fda800p-1, 0x1.d0f65949c0a34p-44},
    {0x1.0a00000000000p-1, 0x1.4f45a835a5000p-1, -0x1.e6c516d93b8fbp-45},
    {0x1.0a00000000000p-1, 0x1.4f45a835a5000p-1, -0x1.e6c516d93b8fbp-45},
    {0x1.0900000000000p-1, 0x1.5133566680000p-1, -0x1.d46359b33c2adp-44},
    {0x1.0900000000000p-1, 0x1.5133566680000p-1, -0x1.d46359b33c2adp-44},
    {0x1.0800000000000p-1, 0x1.5322e26867800p-1, 0x1.5ccc45d257531p-47},
    {0x1.0800000000000p-1, 0x1.5322e26867800p-1, 0x1.5ccc45d257531p-47},
    {0x1.0700000000000p-1, 0x1.55144fdbcc000p-1, -0x1.4ec532b35ba3ep-44},
    {0x1.0700000000000p-1, 0x1.55144fdbcc000p-1, -0x1.4ec532b35ba3ep-44},
    {0x1.0600000000000p-1, 0x1.5707a26bb9000p-1, -0x1.cccfe80199f84p-44},
    {0x1.0600000000000p-1, 0x1.5707a26bb9000p-1, -0x1.cccfe80199f84p-44},
    {0x1.0500000000000p-1, 0x1.58fcddce00800p-1, -0x1.9e3900345a85dp-44},
    {0x1.0500000000000p-1, 0x1.58fcddce00800p-1, -0x1.9e3900345a85dp-44},
    {0x1.0400000000000p-1, 0x1.5af405c364800p-1, 0x1.dfa63ac10c9fbp-45},
    {0x1.0400000000000p-1, 0x1.5af405c364800p-1, 0x1.dfa63ac10c9fbp-45},
    {0x1.0300000000000p-1, 0x1.5ced1e17c3800p-1, -0x1.1d52fdabeaa73p-44},
    {0x1.0300000000000p-1, 0x1.5ced1e17c3800p-1, -0x1.1d52fdabeaa73p-44},
    {0x1.0200000000000p-1, 0x1.5ee82aa241800p-1, 0x1.202380cda46bep-45},
    {0x1.0200000000000p-1, 0x1.5ee82aa241800p-1, 0x1.202380cda46bep-45},
    {0x1.0100000000000p-1, 0x1.60e52f4578800p-1, 0x1.c6ea5e681638dp-46},
    {0x1.0000000000000p-1, 0x1.62e42fefa3800p-1, 0x1.ef35793c76730p-45},
    {0x1.0000000000000p-1, 0x1.62e42fefa3800p-1, 0x1.ef35793c76730p-45},
};

// log x = sum + rest + log1p(r) - r, with sum + rest = e ln2 - log v + r and
// sum the rounded value of that (the part that costs the rounding).
struct Reduction {
    double sum, rest, r, inverse;
    std::int64_t exponent;
};

// For x a positive normal double, given by its bits.
inline Reduction reduce(std::uint64_t bits)
{
    const std::int64_t e = static_cast<std::int64_t>(bits >> 52) - 1023;
    const std::uint64_t mBits = bits - (static_cast<std::uint64_t>(e) << 52);
    const int i = static_cast<int>(((bits >> 43 & 0x1ff) + 1) >> 1);
    const LogTableEntry& entry = logTable[i];
    const double m = std::bit_cast<double>(mBits), mHigh = std::bit_cast<double>(mBits & ~std::uint64_t{0x1ff});
    const double r = (mHigh * entry.inverse - 1.0) + (m - mHigh) * entry.inverse;
    // e ln2Head + head is exact, and at least |r| unless zero: the fast two-sum
    // with r is exact.
    const double ed = static_cast<double>(e);
    const double high = ed * ln2Head + entry.logHead;
    const double sum = high + r;
    const double rest = ((high - sum) + r) + (ed * ln2Tail + entry.logTail);
    return {sum, rest, r, entry.inverse, e};
}

// log1p(r) - r = r^2 (-1/2 + c0 r + ... + c4 r^5), by Estrin's scheme.
inline double beyondLinear(double r)
{
    const double* c = seriesCoefficients;
    const double r2 = r * r, r4 = r2 * r2;
    const double p = (-0.5 + r * c[0]) + r2 * (c[1] + r * c[2]) + r4 * (c[3] + r * c[4]);
    return r2 * p;
}

// Whether the bits are those of a positive normal double.
inline bool isPositiveNormal(std::uint64_t bits)
{
    // The sign and the exponent field, less one, below 0x7fe.
    return (bits >> 52) - 1 < 0x7fe;
}

}  // namespace inline_log

// log1p(x + tail) for x > -1 as a normalized hi + lo, the tail (at most a
// unit in x's last place) joining the rounding error of 1 + x: within about
// 2^-68 plus 2^-100 of the value, for a power (1 + x)^y whose exponent
// y log1p(x) may lie in the hundreds. With u = 1 + x rounded and d = x -
// (u - 1) its rounding error (exact while u <= 2^53, and beyond that below
// the result's last place anyway), log1p x = log u + log1p(d/u), and d/u =
// d 2^-e v / (1 + r) joins as d 2^-e v (1 - r), whose neglected r^2 term
// lies below 2^-60 of the result.
inline DoubleDouble inlineLog1pParts(double x, double tail = 0.0)
{
    using namespace inline_log;
    // Below 2^-60 the square would underflow on the way, and lies below 2^-60 of x.
    if (std::fabs(x) < 0x1p-32) return {x, tail - (std::fabs(x) < 0x1p-60 ? 0.0 : 0.5 * x * x)};
    const double u = 1.0 + x;
    const auto bits = std::bit_cast<std::uint64_t>(u);
    if (!isPositiveNormal(bits)) return {std::log1p(x), 0.0};
    const double d = (x - (u - 1.0)) + tail;
    const Reduction reduced = reduce(bits);
    // 2^-e is zero for e = 1023, where d/u is far below the last place.
    const double correction = d * (reduced.inverse * powerOfTwo(-reduced.exponent)) * (1.0 - reduced.r);
    // Near x = 0 the sum is r alone, and the terms beyond it up to 2^-9 of
    // it: no more than the sum in any case.
    return quickTwoSum(reduced.sum, (reduced.rest + correction) + beyondLinear(reduced.r));
}

// log x as a normalized hi + lo, within about 2^-69 plus 2^-100 of the value
// for a positive normal x; other x give the library's log in hi.
inline DoubleDouble inlineLogParts(double x)
{
    using namespace inline_log;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    if (!isPositiveNormal(bits)) return {std::log(x), 0.0};
    const Reduction reduced = reduce(bits);
    return quickTwoSum(reduced.sum, reduced.rest + beyondLinear(reduced.r));
}

inline double inlineLog(double x) { return inlineLogParts(x).hi; }

// log1p x inline for x > -1, within 0.52 units in the last place: the high
// part of inlineLog1pParts. Below |x| = 2^-32, where d comes near the result and its
// rounding would show, x - x^2/2 is log1p x to far below the last place;
// below 2^-60 x alone is, and x^2 would only underflow, which costs the
// processor dearly.
inline double inlineLog1p(double x)
{
    if (std::fabs(x) < 0x1p-32) return std::fabs(x) < 0x1p-60 ? x : x - 0.5 * x * x;
    return inlineLog1pParts(x).hi;
}
