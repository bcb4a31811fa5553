// frosty-replay as a child process: fork and exec, standard error into a file.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "replay_session.h"

namespace replay_test {
namespace {

// As a user's shell leaves it: the signal of a write past the limit at its default, which ends
// the process unless frosty-replay itself sees to it.
bool LimitFileSize(std::uint64_t bytes) {
  if (bytes == NoFileSizeLimit) return true;
  const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
  return std::signal(SIGXFSZ, SIG_DFL) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool RedirectInto(const std::filesystem::path& file, int stream) {
  const int opened = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  return opened >= 0 && ::dup2(opened, stream) >= 0;
}

[[noreturn]] void ExecReplay(const std::vector<std::string>& arguments,
                             const std::filesystem::path& workingDir, std::uint64_t fileSizeLimit) {
  if (!RedirectInto(workingDir / "stdout.txt", STDOUT_FILENO) ||
      !RedirectInto(workingDir / "stderr.txt", STDERR_FILENO) || ::chdir(workingDir.c_str()) != 0 ||
      !LimitFileSize(fileSizeLimit)) {
    ::_exit(127);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(FROSTY_REPLAY));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(FROSTY_REPLAY, argv.data());
  ::_exit(127);
}

}  // namespace

bool CanLimitFileSize() {
  return true;
}

Run RunReplay(const std::vector<std::string>& arguments, const std::filesystem::path& workingDir,
              std::uint64_t fileSizeLimit) {
  const pid_t child = ::fork();
  if (child == 0) ExecReplay(arguments, workingDir, fileSizeLimit);
  Run run;
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)) {
    run.exitCode = WEXITSTATUS(status);
  }
  run.output = ReadFile(workingDir / "stdout.txt");
  run.errors = ReadFile(workingDir / "stderr.txt");
  return run;
}

}  // namespace replay_test
