// torvane-cli entry point: argv in, exit status out; the work lives in torvane_cli_lib.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  // Past a file-size limit (ulimit -f) a write fails with EFBIG rather than killing the
  // program, so every command can say what it did and did not finish.
  std::signal(SIGXFSZ, SIG_IGN);
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return torvane::cli::RunCli(args, std::cout, std::cerr);
}
