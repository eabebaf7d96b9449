// The block kernel built for AVX2 and FMA (x86-64-v3); see saal/CMakeLists.txt.
#define SAAL_SGP4_KERNEL_NAMESPACE avx2
#include "sgp4_batch_kernel.inc"
