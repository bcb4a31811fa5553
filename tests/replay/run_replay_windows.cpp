// frosty-replay as a child process on Windows: CreateProcess with standard error into a file.

#include <windows.h>

#include "replay_session.h"

namespace replay_test {
namespace {

// The command line as the C runtime splits it again: every argument quoted, quotes and the
// backslashes before them escaped.
std::string Quoted(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + '"';
}

HANDLE InheritableFile(const std::filesystem::path& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileA(path.string().c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool CanLimitFileSize() {
  return false;
}

Run RunReplay(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir,
              std::uint64_t /*fileSizeLimit*/) {
  std::string commandLine = Quoted(FROSTY_REPLAY);
  for (const std::string& argument : arguments) commandLine += ' ' + Quoted(argument);
  Run run;
  const HANDLE output = InheritableFile(workingDir / "stdout.txt");
  const HANDLE errors = InheritableFile(workingDir / "stderr.txt");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = output;
  startup.hStdError = errors;
  PROCESS_INFORMATION process{};
  const std::string folder = workingDir.string();
  if (output != INVALID_HANDLE_VALUE && errors != INVALID_HANDLE_VALUE &&
      CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     folder.c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    if (GetExitCodeProcess(process.hProcess, &status)) run.exitCode = static_cast<int>(status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  for (const HANDLE file : {output, errors}) {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  run.output = ReadFile(workingDir / "stdout.txt");
  run.errors = ReadFile(workingDir / "stderr.txt");
  return run;
}

}  // namespace replay_test
