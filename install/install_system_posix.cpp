#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/app_paths.h"
#include "app/profile_file.h"
#include "install/install_system.h"
#include "platform/posix/xdg_folders.h"
#include "platform/utf8.h"

namespace {

std::string Native(const std::wstring& path) {
    return WideToUtf8(path);
}

std::wstring AppProfilePath() {
    return Utf8ToWide(XdgBaseFolder("XDG_CONFIG_HOME", "/.config")) + L"/" +
           FileNameOfPath(GetExecutablePath()) + L"/profile.ini";
}

bool CopyBytes(int from, int to) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
            if (put <= 0) {
                return false;
            }
            done += put;
        }
    }
}

}  // namespace

extern char** environ;

bool PathExists(const std::wstring& path) {
    struct stat info {};
    return ::stat(Native(path).c_str(), &info) == 0;
}

bool CreateFolder(const std::wstring& path) {
    return ::mkdir(Native(path).c_str(), 0755) == 0;
}

bool DeleteFileAt(const std::wstring& path) {
    return ::unlink(Native(path).c_str()) == 0;
}

bool CopyExecutableOver(const std::wstring& from, const std::wstring& to) {
    const int source = ::open(Native(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (source < 0) {
        return false;
    }
    const std::string target = Native(to);
    const std::string temporary = target + ".new";
    const int copy = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
    bool copied = copy >= 0 && CopyBytes(source, copy) && ::fsync(copy) == 0;
    if (copy >= 0) {
        copied = ::close(copy) == 0 && copied;
    }
    ::close(source);
    // Renamed over the target: a running launcher keeps its old file, the next start gets the new.
    if (!copied || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

std::wstring GetProgramsMenuFolder() {
    return GetAppDataFolder() + L"/applications";
}

void RegisterUninstallEntry(const UninstallRecord&) {
    // No Add/Remove Programs register on Linux: the uninstall menu entry takes its place.
}

std::wstring ReadAppProfile(const std::wstring& section, const std::wstring& entry,
                            const std::wstring& defaultValue) {
    return ReadProfileValue(section, entry, defaultValue, AppProfilePath());
}

void WriteAppProfile(const std::wstring& section, const std::wstring& entry,
                     const std::wstring& value) {
    const std::wstring path = AppProfilePath();
    ::mkdir(XdgBaseFolder("XDG_CONFIG_HOME", "/.config").c_str(), 0700);
    ::mkdir(Native(path.substr(0, path.rfind(L'/'))).c_str(), 0700);
    WriteProfileValue(section, entry, value, path);
}

std::wstring GetDesktopFolder() {
    return Utf8ToWide(XdgBaseFolder("XDG_DESKTOP_DIR", "/Desktop"));
}

bool StartDetachedProcess(const std::wstring& program, const std::wstring& commandLine) {
    const std::string path = Native(program);
    const std::string argument = WideToUtf8(commandLine);
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>(argument.c_str()), nullptr};
    pid_t child = 0;
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    // A session of its own: the removal stage outlives the process that started it.
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const bool started =
        ::posix_spawn(&child, path.c_str(), nullptr, &attributes, argv, environ) == 0;
    ::posix_spawnattr_destroy(&attributes);
    return started;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return a == b;
}
