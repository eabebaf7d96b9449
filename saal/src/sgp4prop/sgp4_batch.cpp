// Batch propagation: one satellite at many times, many satellites at one
// time. Inputs are packed into blocks of lanes for the vectorised kernel,
// which is chosen once per process by the processor's features.
//
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../common/keyed_table.h"
#include "../common/last_error.h"
#include "deep_space.h"
#include "saal/earth_models.h"
#include "sgp4_batch_kernel.h"
#include "sgp4_table.h"

namespace saal {
namespace sgp4::batch {

void set_lane_model(Lanes& L, int i, const Model& m, const BlockKind& block) {
  L.mo[i] = m.mo;
  L.mdot[i] = m.mdot;
  L.argpo[i] = m.argpo;
  L.argpdot[i] = m.argpdot;
  L.nodeo[i] = m.nodeo;
  L.nodedot[i] = m.nodedot;
  L.nodecf[i] = m.nodecf;
  L.cc1[i] = m.cc1;
  L.bstar_cc4[i] = m.bstar * m.cc4;
  L.t2cof[i] = m.t2cof;
  L.no[i] = m.no;
  L.ecco[i] = m.ecco;
  L.inclo[i] = m.inclo;
  L.sinio[i] = m.sinio;
  L.cosio[i] = m.cosio;
  L.ao[i] = m.ao;
  L.aycof[i] = m.aycof;
  L.xlcof[i] = m.xlcof;
  L.con41[i] = m.con41;
  L.x1mth2[i] = m.x1mth2;
  L.x7thm1[i] = m.x7thm1;
  if (block.full_drag) {
    // Zero coefficients switch the higher-order drag terms off exactly.
    const bool full_drag = !m.simple_drag;
    L.omgcof[i] = full_drag ? m.omgcof : 0.0;
    L.eta[i] = m.eta;
    L.xmcof[i] = full_drag ? m.xmcof : 0.0;
    L.delmo[i] = m.delmo;
    L.d2[i] = full_drag ? m.d2 : 0.0;
    L.d3[i] = full_drag ? m.d3 : 0.0;
    L.d4[i] = full_drag ? m.d4 : 0.0;
    L.bstar_cc5[i] = full_drag ? m.bstar * m.cc5 : 0.0;
    L.sinmao[i] = m.sinmao;
    L.t3cof[i] = full_drag ? m.t3cof : 0.0;
    L.t4cof[i] = full_drag ? m.t4cof : 0.0;
    L.t5cof[i] = full_drag ? m.t5cof : 0.0;
  }
  if (!block.deep) return;
  const DeepSpace& ds = m.ds;
  L.deep[i] = m.deep_space ? 1.0 : 0.0;
  L.dedt[i] = ds.dedt;
  L.didt[i] = ds.didt;
  L.domdt[i] = ds.domdt;
  L.dnodt[i] = ds.dnodt;
  L.dmdt[i] = ds.dmdt;
  L.gsto[i] = m.gsto;
  L.resonance[i] = m.deep_space ? ds.resonance : 0.0;
  L.e3[i] = ds.e3;
  L.ee2[i] = ds.ee2;
  L.se2[i] = ds.se2;
  L.se3[i] = ds.se3;
  L.sgh2[i] = ds.sgh2;
  L.sgh3[i] = ds.sgh3;
  L.sgh4[i] = ds.sgh4;
  L.sh2[i] = ds.sh2;
  L.sh3[i] = ds.sh3;
  L.si2[i] = ds.si2;
  L.si3[i] = ds.si3;
  L.sl2[i] = ds.sl2;
  L.sl3[i] = ds.sl3;
  L.sl4[i] = ds.sl4;
  L.xgh2[i] = ds.xgh2;
  L.xgh3[i] = ds.xgh3;
  L.xgh4[i] = ds.xgh4;
  L.xh2[i] = ds.xh2;
  L.xh3[i] = ds.xh3;
  L.xi2[i] = ds.xi2;
  L.xi3[i] = ds.xi3;
  L.xl2[i] = ds.xl2;
  L.xl3[i] = ds.xl3;
  L.xl4[i] = ds.xl4;
  L.zmol[i] = ds.zmol;
  L.zmos[i] = ds.zmos;
}

void set_lane_node(LaneTimes& T, int i, double atime, double xli, double xni, double xndt,
                   double xnddt, double xldot) {
  T.node_atime[i] = atime;
  T.node_xli[i] = xli;
  T.node_xni[i] = xni;
  T.node_xndt[i] = xndt;
  T.node_xnddt[i] = xnddt;
  T.node_xldot[i] = xldot;
}

namespace {

using Kernel = void (*)(const Lanes&, const LaneTimes&, const BlockKind&, Outputs&);

Kernel kernel() {
  static const Kernel chosen = [] {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
        __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw")) {
      return &avx512::propagate_block;
    }
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")
               ? &avx2::propagate_block
               : &generic::propagate_block;
  }();
  return chosen;
}

void set_node(LaneTimes& T, int i, const ResonanceNode& n) {
  set_lane_node(T, i, n.atime, n.xli, n.xni, n.xndt, n.xnddt, n.xldot);
}

struct OutputArrays {
  double *x, *y, *z, *vx, *vy, *vz;
  int* errors;
};

bool valid_outputs(const OutputArrays& o) {
  return o.x && o.y && o.z && o.vx && o.vy && o.vz && o.errors;
}

void clear(const OutputArrays& o, int count) {
  for (int i = 0; i < count; ++i) {
    o.x[i] = o.y[i] = o.z[i] = o.vx[i] = o.vy[i] = o.vz[i] = 0.0;
    o.errors[i] = 0;
  }
}

// Copies `lanes` results to the output entries `index[0..lanes)`.
void store(const Outputs& out, int lanes, const int* index, const OutputArrays& o) {
  for (int j = 0; j < lanes; ++j) {
    const int i = index[j];
    o.x[i] = out.x[j];
    o.y[i] = out.y[j];
    o.z[i] = out.z[j];
    o.vx[i] = out.vx[j];
    o.vy[i] = out.vy[j];
    o.vz[i] = out.vz[j];
    o.errors[i] = static_cast<int>(out.error[j]);
  }
}

// Copies `lanes` results to the output entries `first..first + lanes`.
void store_range(const Outputs& out, int lanes, int first, const OutputArrays& o) {
  std::copy_n(out.x, lanes, o.x + first);
  std::copy_n(out.y, lanes, o.y + first);
  std::copy_n(out.z, lanes, o.z + first);
  std::copy_n(out.vx, lanes, o.vx + first);
  std::copy_n(out.vy, lanes, o.vy + first);
  std::copy_n(out.vz, lanes, o.vz + first);
  for (int j = 0; j < lanes; ++j) o.errors[first + j] = static_cast<int>(out.error[j]);
}

// Blocks of satellites that need the same stages run only those: near
// Earth with simple drag, near Earth with full drag, deep space, resonant.
constexpr int kStageGroups = 4;
int stage_group(const Model& m) {
  if (!m.deep_space) return m.simple_drag ? 0 : 1;
  return m.ds.resonance == 0 ? 2 : 3;
}

int first_error(const int* errors, int count) {
  for (int i = 0; i < count; ++i) {
    if (errors[i] != 0) return i;
  }
  return -1;
}

}  // namespace
}  // namespace sgp4::batch

int Sgp4PropDs50UtcBatch(Key sat_key, int count, const double* ds50_utc, double* x, double* y,
                         double* z, double* vx, double* vy, double* vz, int* errors_out) {
  using namespace sgp4::batch;
  constexpr const char* kCaller = "Sgp4PropDs50UtcBatch";
  const OutputArrays o{x, y, z, vx, vy, vz, errors_out};
  if (count < 0 || (count > 0 && (ds50_utc == nullptr || !valid_outputs(o)))) {
    return detail::fail(std::string(kCaller) + ": negative count or missing array");
  }
  // Every entry is written below; the outputs are cleared only on the
  // failures that return before.
  const auto row = sgp4::find_row(sat_key, kCaller);
  if (!row) {
    clear(o, count);
    return 1;
  }
  const sgp4::Model& m = row->model;
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(ds50_utc[i])) {
      clear(o, count);
      return detail::fail(std::string(kCaller) + ": time " + std::to_string(i) +
                          " is not a finite number");
    }
  }

  const bool resonant = m.deep_space && m.ds.resonance != 0;
  const BlockKind kind{m.deep_space, !m.deep_space, !m.simple_drag, resonant};
  Lanes lanes;
  for (int j = 0; j < kBlock; ++j) set_lane_model(lanes, j, m, kind);
  LaneTimes times{};
  const Kernel propagate = kernel();
  Outputs out;
  for (int offset = 0; offset < count; offset += kBlock) {
    const int used = std::min(kBlock, count - offset);
    for (int j = 0; j < kBlock; ++j) {
      const double ds50 = ds50_utc[offset + std::min(j, used - 1)];
      times.t[j] = (ds50 - m.epoch_ds50_utc) * kMinutesPerDay;
      if (resonant) set_node(times, j, sgp4::resonance_node(m, times.t[j]));
    }
    propagate(lanes, times, kind, out);
    store_range(out, used, offset, o);
  }
  const int first_failure = first_error(errors_out, count);
  if (first_failure < 0) return 0;
  const double minutes = (ds50_utc[first_failure] - m.epoch_ds50_utc) * kMinutesPerDay;
  return detail::fail(sgp4::failure_message(
      kCaller, *row, minutes, static_cast<sgp4::Failure>(errors_out[first_failure])));
}

namespace sgp4::batch {
namespace {

// Satellites looked up and grouped once; for repeated propagation at single
// times their blocks of model constants are packed once too.
struct PreparedSet {
  std::vector<std::shared_ptr<const Sgp4Row>> rows;  // in the caller's order
  std::vector<int> order;                             // lane -> caller's index
  std::vector<const Model*> models;                   // in lane order, owned by rows
  std::vector<Lanes> blocks;                          // empty unless packed
  std::vector<BlockKind> kinds;
};

// Fills `lanes` with the models of the block at `offset` of the order.
BlockKind fill_block(const PreparedSet& set, int offset, Lanes& lanes) {
  const int count = static_cast<int>(set.rows.size());
  const int used = std::min(kBlock, count - offset);
  BlockKind kind{false, false, false, false};
  const Model* models[kBlock];
  for (int j = 0; j < kBlock; ++j) {
    const Model& m = *set.models[static_cast<std::size_t>(offset + std::min(j, used - 1))];
    models[j] = &m;
    kind.deep = kind.deep || m.deep_space;
    kind.near = kind.near || !m.deep_space;
    kind.full_drag = kind.full_drag || !m.simple_drag;
    kind.resonant = kind.resonant || (m.deep_space && m.ds.resonance != 0);
  }
  for (int j = 0; j < kBlock; ++j) set_lane_model(lanes, j, *models[j], kind);
  return kind;
}

detail::KeyedTable<PreparedSet>& prepared_sets() {
  static detail::KeyedTable<PreparedSet> table;
  return table;
}

// False, with the last-error text set, for an unknown key.
bool prepare(int count, const Key* keys, const char* caller, bool pack, PreparedSet& set) {
  set.rows.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    set.rows[static_cast<std::size_t>(i)] = find_row(keys[i], caller);
    if (!set.rows[static_cast<std::size_t>(i)]) return false;
  }
  // Grouped by a counting sort (four groups, callers' order kept within
  // each): linear, where a comparison sort was a sixth of this path.
  std::vector<int> groups(static_cast<std::size_t>(count));
  std::array<int, kStageGroups + 1> start{};
  for (int i = 0; i < count; ++i) {
    const int g = stage_group(set.rows[static_cast<std::size_t>(i)]->model);
    groups[static_cast<std::size_t>(i)] = g;
    ++start[static_cast<std::size_t>(g) + 1];
  }
  for (int g = 0; g < kStageGroups; ++g) start[g + 1] += start[g];
  set.order.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    set.order[static_cast<std::size_t>(start[groups[static_cast<std::size_t>(i)]]++)] = i;
  }
  set.models.resize(static_cast<std::size_t>(count));
  for (std::size_t k = 0; k < set.models.size(); ++k) {
    set.models[k] = &set.rows[static_cast<std::size_t>(set.order[k])]->model;
  }
  if (!pack) return true;
  const std::size_t blocks = (static_cast<std::size_t>(count) + kBlock - 1) / kBlock;
  set.blocks.resize(blocks);
  set.kinds.resize(blocks);
  for (std::size_t b = 0; b < blocks; ++b) {
    set.kinds[b] = fill_block(set, static_cast<int>(b) * kBlock, set.blocks[b]);
  }
  return true;
}

int propagate_set(const PreparedSet& set, double ds50_utc, const OutputArrays& o,
                  const char* caller) {
  const int count = static_cast<int>(set.rows.size());
  // Every entry is written below (the order covers all); the outputs are
  // cleared only on the failure that returns before.
  if (!std::isfinite(ds50_utc)) {
    clear(o, count);
    return detail::fail(std::string(caller) + ": time is not a finite number");
  }
  const Kernel propagate = kernel();
  Lanes lanes;
  LaneTimes times{};
  Outputs out;
  for (int offset = 0; offset < count; offset += kBlock) {
    const std::size_t b = static_cast<std::size_t>(offset / kBlock);
    const int used = std::min(kBlock, count - offset);
    const int* index = set.order.data() + offset;
    const bool packed = !set.blocks.empty();
    const BlockKind kind = packed ? set.kinds[b] : fill_block(set, offset, lanes);
    for (int j = 0; j < kBlock; ++j) {
      const Model& m = *set.models[static_cast<std::size_t>(offset + std::min(j, used - 1))];
      times.t[j] = (ds50_utc - m.epoch_ds50_utc) * kMinutesPerDay;
      if (m.deep_space && m.ds.resonance != 0) set_node(times, j, resonance_node(m, times.t[j]));
    }
    propagate(packed ? set.blocks[b] : lanes, times, kind, out);
    store(out, used, index, o);
  }
  const int first_failure = first_error(o.errors, count);
  if (first_failure < 0) return 0;
  const Sgp4Row& row = *set.rows[static_cast<std::size_t>(first_failure)];
  const double minutes = (ds50_utc - row.model.epoch_ds50_utc) * kMinutesPerDay;
  return detail::fail(failure_message(caller, row, minutes,
                                      static_cast<Failure>(o.errors[first_failure])));
}

}  // namespace
}  // namespace sgp4::batch

int Sgp4PropSatsDs50UtcBatch(int count, const Key* sat_keys, double* x, double* y, double* z,
                             double* vx, double* vy, double* vz, int* errors_out,
                             double ds50_utc) {
  using namespace sgp4::batch;
  constexpr const char* kCaller = "Sgp4PropSatsDs50UtcBatch";
  const OutputArrays o{x, y, z, vx, vy, vz, errors_out};
  if (count < 0 || (count > 0 && (sat_keys == nullptr || !valid_outputs(o)))) {
    return detail::fail(std::string(kCaller) + ": negative count or missing array");
  }
  PreparedSet set;
  if (!prepare(count, sat_keys, kCaller, false, set)) {
    clear(o, count);
    return 1;
  }
  return propagate_set(set, ds50_utc, o, kCaller);
}

Key Sgp4BatchSetCreate(int count, const Key* sat_keys) {
  using namespace sgp4::batch;
  constexpr const char* kCaller = "Sgp4BatchSetCreate";
  if (count < 0 || (count > 0 && sat_keys == nullptr)) {
    detail::set_last_error(std::string(kCaller) + ": negative count or missing array");
    return 0;
  }
  PreparedSet set;
  if (!prepare(count, sat_keys, kCaller, true, set)) return 0;
  return prepared_sets().insert(std::move(set));
}

int Sgp4BatchSetPropDs50Utc(Key set_key, double* x, double* y, double* z, double* vx, double* vy,
                            double* vz, int* errors_out, double ds50_utc) {
  using namespace sgp4::batch;
  constexpr const char* kCaller = "Sgp4BatchSetPropDs50Utc";
  const auto set = prepared_sets().find(set_key);
  if (!set) {
    return detail::fail(std::string(kCaller) + ": no satellite set under key " +
                        std::to_string(set_key));
  }
  const OutputArrays o{x, y, z, vx, vy, vz, errors_out};
  if (!set->rows.empty() && !valid_outputs(o)) {
    return detail::fail(std::string(kCaller) + ": missing array");
  }
  return propagate_set(*set, ds50_utc, o, kCaller);
}

int Sgp4BatchSetRemove(Key set_key) {
  if (!sgp4::batch::prepared_sets().erase(set_key)) {
    return detail::fail("Sgp4BatchSetRemove: no satellite set under key " +
                        std::to_string(set_key));
  }
  return 0;
}

}  // namespace saal
