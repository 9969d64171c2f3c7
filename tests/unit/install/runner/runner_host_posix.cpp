#include "tests/unit/install/runner/runner_host.h"

RunnerHost::RunnerHost() = default;
RunnerHost::~RunnerHost() = default;
