// Random version-4 UUIDs, the identity of satellites, ephemerides and other
// records.
#pragma once

#include <string>

namespace qv {

// A new random version-4 UUID in hyphenated lowercase text form
// (xxxxxxxx-xxxx-4xxx-yxxx-xxxxxxxxxxxx, y one of 8, 9, a, b).
std::string new_uuid_v4();

}  // namespace qv
