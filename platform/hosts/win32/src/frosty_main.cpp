// frosty.exe: the preview program in real Windows windows. A GUI program, but MinGW's start-up
// code calls main() when a program has one, which lets the host open before the program's
// WinMain runs (the program's WinMain is the platform's entry symbol on this toolchain).

#include <string>

#include "preview.h"
#include "win/host.h"
#include "win32_host/win32_host.h"

namespace {

std::string CommandLine(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  const std::unique_ptr<win32host::Win32Host> host = win32host::Win32Host::Open(&error);
  if (host == nullptr) {
    win32host::ShowError("frosty: " + error);
    return 1;
  }
  win::SetHost(host.get());
  const std::string commandLine = CommandLine(argc, argv);
  const int status = WinMain(nullptr, nullptr, commandLine.c_str(), 1);
  win::SetHost(nullptr);
  return status;
}
