// Forwards the diagnostic log facility to Python's logging package.
#pragma once

namespace qv::py {

// Imports logging and installs the bridge; raises InternalFault when logging
// cannot be imported or a bridge is installed already.
void install_logging_bridge();

}  // namespace qv::py
