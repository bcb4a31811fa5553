// The desktop entry's host on Windows: user32 windows. A GUI program has no console, so what the
// entry tells the user appears in a message box.

#include "win/desktop_host.h"

#include "win32_host/win32_host.h"
#include "windows_api.h"

namespace win::desktop {

pz417::Result<std::unique_ptr<Host>> OpenHost() {
  pz417::Result<std::unique_ptr<win32host::Win32Host>> host = win32host::Win32Host::Open();
  if (!host) return host.status();
  return std::unique_ptr<Host>(std::move(*host));
}

void Tell(const std::string& programName, const std::string& text, bool isError) {
  if (isError) {
    win32host::ShowError(programName, text);
  } else {
    MessageBoxA(nullptr, text.c_str(), programName.c_str(), MB_OK | MB_ICONINFORMATION);
  }
}

}  // namespace win::desktop
