#include "graph/plot_vector_registers.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void zeroUpper() { _mm256_zeroupper(); }

const bool hasWideRegisters = __builtin_cpu_supports("avx");

}  // namespace

void clearUpperVectorRegisters()
{
    if (hasWideRegisters) zeroUpper();
}

#else

void clearUpperVectorRegisters() {}

#endif
