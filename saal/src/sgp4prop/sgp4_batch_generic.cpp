// The block kernel built for the x86-64 baseline, for processors without AVX2.
#define SAAL_SGP4_KERNEL_NAMESPACE generic
#include "sgp4_batch_kernel.inc"
