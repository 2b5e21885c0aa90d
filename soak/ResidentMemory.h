#pragma once

// The resident memory of this process, in kilobytes; -1 where the system does not tell
// (read from /proc on Linux).
namespace ResidentMemory {

long kilobytes();

} // namespace ResidentMemory
