// Block kernel of the batch path: the SGP4/SDP4 propagation of up to kBlock
// (satellite, time) lanes at once, written as short loops over the lanes
// that the compiler turns into SIMD code. The same source is compiled three
// times (AVX-512, AVX2/FMA and the x86-64 baseline); the caller picks one at
// run time.
//
// Lanes hold each model's constants, so one block may mix satellites, near
// Earth and deep space. The resonance integration, the one step with a
// data-dependent loop, is done by the caller up to its last node; the kernel
// finishes the last partial step.
#pragma once

#include "sgp4_model.h"

namespace saal::sgp4::batch {

inline constexpr int kBlock = 32;

#define SAAL_SGP4_LANE_FIELDS(X)                                                              \
  X(mo) X(mdot) X(argpo) X(argpdot) X(nodeo) X(nodedot) X(nodecf) X(cc1) X(bstar_cc4)  \
  X(t2cof) X(omgcof) X(eta) X(xmcof) X(delmo) X(d2) X(d3) X(d4) X(bstar_cc5) X(sinmao)       \
  X(t3cof) X(t4cof) X(t5cof) X(no) X(ecco) X(inclo) X(sinio) X(cosio) X(ao) X(aycof) X(xlcof) X(con41)         \
  X(x1mth2) X(x7thm1) X(deep) X(dedt) X(didt) X(domdt) X(dnodt) X(dmdt) X(gsto)              \
  X(resonance) X(e3) X(ee2) X(se2) X(se3) X(sgh2) X(sgh3) X(sgh4) X(sh2) X(sh3) X(si2)      \
  X(si3) X(sl2) X(sl3) X(sl4) X(xgh2) X(xgh3) X(xgh4) X(xh2) X(xh3) X(xi2) X(xi3) X(xl2)     \
  X(xl3) X(xl4) X(zmol) X(zmos)

// Model constants of one block, structure of arrays.
struct Lanes {
#define SAAL_SGP4_DECLARE(name) double name[kBlock];
  SAAL_SGP4_LANE_FIELDS(SAAL_SGP4_DECLARE)
#undef SAAL_SGP4_DECLARE
};

// What changes with the time of each lane: minutes since epoch and the
// resonance node. Kept apart from the constants so a packed block is used
// in place, not copied, for each new time.
struct LaneTimes {
  double t[kBlock];
  double node_atime[kBlock], node_xli[kBlock], node_xni[kBlock], node_xndt[kBlock];
  double node_xnddt[kBlock], node_xldot[kBlock];
};

struct Outputs {
  double x[kBlock], y[kBlock], z[kBlock], vx[kBlock], vy[kBlock], vz[kBlock];
  double error[kBlock];  // Failure code, 0 for success; the state is zero on failure
};

// What the lanes of a block need: any deep-space lane, any near-Earth lane,
// any lane with the higher-order drag terms, any resonant lane. Stages no
// lane needs are skipped.
struct BlockKind {
  bool deep, near, full_drag, resonant;
};

// Copies a model's constants into lane i: those that the stages of a block
// of kind `block` read (all of them by default).
void set_lane_model(Lanes& lanes, int i, const Model& model,
                    const BlockKind& block = {true, true, true, true});

// Sets lane i's resonance node for its time. Lanes without resonance ignore
// it but must hold finite values (zeros will do).
void set_lane_node(LaneTimes& times, int i, double atime, double xli, double xni, double xndt,
                   double xnddt, double xldot);

// Propagates all kBlock lanes (unused lanes must still hold a valid model
// and time, e.g. copies of lane 0's).
namespace avx512 {
void propagate_block(const Lanes& lanes, const LaneTimes& times, const BlockKind& kind,
                     Outputs& out);
}
namespace avx2 {
void propagate_block(const Lanes& lanes, const LaneTimes& times, const BlockKind& kind,
                     Outputs& out);
}
namespace generic {
void propagate_block(const Lanes& lanes, const LaneTimes& times, const BlockKind& kind,
                     Outputs& out);
}

}  // namespace saal::sgp4::batch
