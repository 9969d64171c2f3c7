// What the launcher's start-up provides before the installation pass runs: on Windows the
// application object with its registry profile root, and COM on the thread.
#pragma once

class RunnerHost {
public:
    RunnerHost();
    ~RunnerHost();
    RunnerHost(const RunnerHost&) = delete;
    RunnerHost& operator=(const RunnerHost&) = delete;
};
