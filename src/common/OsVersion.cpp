#include "common/OsVersion.h"

namespace wf {

// Host builds have no Windows to ask: the record says so.
OsVersionRecord QueryOsVersion() { return {}; }

}  // namespace wf
