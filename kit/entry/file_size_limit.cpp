#include "file_size_limit.h"

#include <csignal>

namespace entry {

void FailWritesPastTheFileSizeLimit() {
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace entry
