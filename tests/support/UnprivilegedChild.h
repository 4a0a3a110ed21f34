// Runs a check in a child process without the superuser's rights, so tests
// of unreadable files and read-only directories mean the same whoever runs
// them (the superuser reads and writes anything). Run as root, the child
// becomes "nobody" (uid and gid 65534); run as anybody else, it keeps its user.
#pragma once

#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace hydrim::test {

inline constexpr uid_t NobodyId = 65534;

// The user the check runs as: nobody when we are root, ourselves otherwise.
inline uid_t UnprivilegedUser() {
    return ::geteuid() == 0 ? NobodyId : ::geteuid();
}

// Runs check() in a forked child without root rights; returns its result,
// or -1 when the child could not be made or could not drop its rights.
inline int RunUnprivileged(const std::function<int()>& check) {
    const pid_t child = ::fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(NobodyId) != 0 ||
                                 ::setuid(NobodyId) != 0 || ::geteuid() == 0)) {
            ::_exit(255);
        }
        ::_exit(check());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) {
        return -1;
    }
    return WEXITSTATUS(status);
}

} // namespace hydrim::test
