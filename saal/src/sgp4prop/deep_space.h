// Deep-space (SDP4) parts of the theory: lunar-solar terms and resonances.
#pragma once

#include "sgp4_model.h"

namespace saal::sgp4 {

// Fills model.ds from the epoch elements; needs model's epoch, elements,
// secular rates and gsto already set.
void deep_space_init(Model& model);

// Lunar-solar secular drift and resonance integration to `minutes`: updates
// the mean elements in place. Integrates from epoch in fixed half-day steps,
// so the result does not depend on earlier calls.
void deep_space_secular(const Model& model, double minutes, double& em, double& argpm,
                        double& inclm, double& mm, double& nodem, double& nm);

// Fills the model's cached resonance nodes (after the coefficients).
void resonance_nodes_init(Model& model);

// The node from which `minutes` is reached (|minutes - atime| < 720), the
// same one, bit for bit, as integrating from epoch.
ResonanceNode resonance_node(const Model& model, double minutes);

// Lunar-solar periodics at `minutes`, applied to the mean elements in place.
void lunar_solar_periodics(const DeepSpace& ds, double minutes, double& ep, double& inclp,
                           double& nodep, double& argpp, double& mp);

}  // namespace saal::sgp4
