#include <spawn.h>
#include <sys/wait.h>

#include "platform/utf8.h"
#include "tests/unit/install/install_probe.h"

extern char** environ;

int RunProgram(const std::wstring& program) {
    const std::string path = WideToUtf8(program);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}
