// The block kernel built for AVX-512 (x86-64-v4, 512-bit vectors); see
// saal/CMakeLists.txt.
#define SAAL_SGP4_KERNEL_NAMESPACE avx512
#include "sgp4_batch_kernel.inc"
