// A stand-in launcher for the installation tests: runs the installation pass the way a normal
// start does and ends. Built in several versions under the launcher's own file name.
#include "install/installation.h"
#include "tests/unit/install/runner/runner_host.h"

int main() {
    const RunnerHost host;  // what the launcher's start-up sets up before the pass
    RunInstallation();
    return 0;
}
