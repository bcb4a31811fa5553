#pragma once
// A limit on the size of the process's files (ulimit -f) ends the process at its first write past
// the limit, with nothing said and what was still to be written lost. The entries ignore that
// signal, so such a write fails as on a full disk, and every writer says so and goes on.

namespace entry {

void FailWritesPastTheFileSizeLimit();

}  // namespace entry
