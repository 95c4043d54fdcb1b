#pragma once

namespace app {

// The program from its command line to its end: answers --help and --version, or opens the
// platform, saying why and ending with status 1 where it cannot, and runs the main window until
// the program ends. Gives the exit status.
int run(int argc, char *argv[]);

} // namespace app
