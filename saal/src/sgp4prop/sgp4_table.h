// The SGP4 table: initialised models under the keys of their element sets.
#pragma once

#include <memory>
#include <string>

#include "../tle/tle_text.h"
#include "saal/saal.h"
#include "sgp4_model.h"

namespace saal::sgp4 {

// Drag of element type 4: B* = B-term / this factor.
inline constexpr double kBtermPerBstar = 12.741621;

struct Sgp4Row {
  Model model;
  tle::ElementArray xa;  // the element set as initialised
  std::string xs;
  long satellite_number;
};

// The row of a key, or null with the last-error text set (`caller` names
// the operation in that text).
std::shared_ptr<const Sgp4Row> find_row(Key sat_key, const char* caller);

// Mean elements of an element array in the theory's units; false with
// `error` set for a type SGP4 cannot propagate.
bool mean_elements_from_array(const tle::ElementArray& xa, MeanElements& elements,
                              std::string& error);

// Propagates a row to a UTC day count; on failure sets the last-error text
// naming `caller`, the satellite, the time and the cause, and returns false.
bool propagate_row(const Sgp4Row& row, double ds50_utc, const char* caller, State& state);
bool propagate_row_minutes(const Sgp4Row& row, double minutes, const char* caller,
                           State& state);

// Last-error text for a failure of `row` at `minutes` after epoch.
std::string failure_message(const char* caller, const Sgp4Row& row, double minutes,
                            Failure failure);

}  // namespace saal::sgp4
