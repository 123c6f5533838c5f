#pragma once
// Runs a job in a folder that takes no new file while its files stay
// writable. Any user but root loses the folder's write permission for the
// time of the job. Root ignores that permission, so for root the job runs in
// a child process as the user nobody, to whom the folder's files are given
// (the folder stays root's); the job's result comes back as the child's
// exit status.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace rho::test {

// The job's result, or nothing when the folder could not be locked.
inline std::optional<bool> inLockedFolder(const std::string& folder, const std::function<bool()>& job) {
    if (::geteuid() != 0) {
        if (::chmod(folder.c_str(), 0555) != 0) return std::nullopt;
        const bool result = job();
        ::chmod(folder.c_str(), 0755);
        return result;
    }
    constexpr uid_t kNobody = 65534;
    if (::chmod(folder.c_str(), 0755) != 0) return std::nullopt;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        ::_exit(job() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace rho::test
