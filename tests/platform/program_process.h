// Runs the game program (build/plimora) as a child process for end-to-end tests: its exit
// status, its standard output and error kept in a file, and the signal to end it.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

// How a program run differs from a plain start.
struct ProgramLaunch {
  std::vector<std::string> unset;  // environment variables the program does not see
  std::vector<std::string> set;    // "NAME=value" entries added to its environment
  std::string workingFolder;       // empty: the test's own
  // The standard output is a pipe whose reading end is already closed, as when the output
  // goes to "| head -1" and head has ended; the standard error still goes to the output file.
  bool outputToClosedPipe = false;
};

class ProgramProcess {
 public:
  // Starts the program with the arguments; its output goes to outputPath.
  ProgramProcess(const std::vector<std::string>& args, const std::string& outputPath,
                 const ProgramLaunch& launch = {})
      : ProgramProcess(PLIMORA_PROGRAM_PATH, args, outputPath, launch) {}
  // Starts another program (a wrapper that runs the game, say) the same way.
  ProgramProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::string& outputPath, const ProgramLaunch& launch = {})
      : outputPath_(outputPath) {
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> env;
    for (char** entry = environ; *entry; entry++) {
      bool dropped = false;
      for (const std::string& name : launch.unset) {
        dropped = dropped || std::string(*entry).rfind(name + "=", 0) == 0;
      }
      if (!dropped) env.push_back(*entry);
    }
    std::vector<std::string> added = launch.set;
    for (std::string& entry : added) env.push_back(entry.data());
    env.push_back(nullptr);
    int pipeEnds[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (launch.outputToClosedPipe && pipe(pipeEnds) == 0) {
      posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    } else {
      posix_spawn_file_actions_adddup2(&actions, 2, 1);
    }
    if (!launch.workingFolder.empty()) {
      posix_spawn_file_actions_addchdir_np(&actions, launch.workingFolder.c_str());
    }
    if (pipeEnds[0] >= 0) close(pipeEnds[0]);  // nobody reads: the program's writes fail
    started_ = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), env.data()) == 0;
    if (pipeEnds[1] >= 0) close(pipeEnds[1]);
    posix_spawn_file_actions_destroy(&actions);
  }
  ~ProgramProcess() {
    if (started_ && !ended_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // The exit code, or -1000 - signal when a signal ended it, or -1 when it was still running
  // after the time-out (it is then killed).
  int wait(std::chrono::seconds timeout = std::chrono::seconds(120)) {
    if (!started_) return -2;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        ended_ = true;
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ended_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
  }
  void terminate() { kill(pid_, SIGTERM); }
  std::string output() const { return ReadFile(outputPath_); }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Waits until the file holds the text; false after the time-out.
  static bool WaitForText(const std::string& path, const std::string& text,
                          std::chrono::seconds timeout = std::chrono::seconds(120)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (ReadFile(path).find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

 private:
  std::string outputPath_;
  pid_t pid_ = 0;
  bool started_ = false;
  bool ended_ = false;
};
