// The program's entry point: reads the options, sets the host up and runs the shell.
#include <cstdio>

#include "platform/program_options.h"
#include "platform/shell.h"

int main(int argc, char** argv) {
  ProgramOptions options;
  std::string error;
  if (!ParseProgramOptions(argc, argv, &options, &error)) {
    fprintf(stderr, "plimora: %s\n%s", error.c_str(), kProgramUsage);
    return 2;
  }
  if (options.help) {
    fputs(kProgramUsage, stdout);
    return 0;
  }
  if (!ApplyProgramOptions(options, &error)) {
    fprintf(stderr, "plimora: %s\n%s", error.c_str(), kProgramUsage);
    return 2;
  }
  const int code = WinMain(options);
  ReleaseProgramOptions();
  return code;
}
