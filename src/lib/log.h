// Diagnostic log facility. Records go to the sink the extension installs
// (Python's logging); without a sink they are dropped.
#pragma once

#include <string_view>

namespace qv::log {

enum class Level { Trace = 5, Debug = 10, Info = 20, Warning = 30, Error = 40 };

// `component` is a dotted path such as "quorvane.events"; the sink may be
// called from any thread.
using Sink = void (*)(std::string_view component, Level level, std::string_view message);

// Installs the process-wide sink; false if one is installed already.
bool install_sink(Sink sink);

void write(std::string_view component, Level level, std::string_view message);

}  // namespace qv::log
