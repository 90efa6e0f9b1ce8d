#include "support/refused_storage.h"

#ifdef Q_OS_UNIX
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0) return;
    oldSoft_ = limit.rlim_cur;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    // Only the soft limit: the hard one stays, so the old limit can be set again.
    limit.rlim_cur = rlim_t(bytes);
    ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0) {
        limit.rlim_cur = rlim_t(oldSoft_);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, oldHandler_ ? oldHandler_ : SIG_DFL);
}

namespace {
constexpr uid_t kNobody = 65534;
}

OrdinaryUser::OrdinaryUser() {
    if (geteuid() != 0) return;
        // The group first, while the process may still change it; real and effective ids both,
        // since some checks (access()) look at the real one.
#ifdef Q_OS_LINUX
    ok_ = setresgid(kNobody, kNobody, 0) == 0 && setresuid(kNobody, kNobody, 0) == 0;
#else
    ok_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
#endif
    switched_ = true;
}

OrdinaryUser::~OrdinaryUser() {
    if (!switched_) return;
#ifdef Q_OS_LINUX
    const bool back = setresuid(0, 0, 0) == 0 && setresgid(0, 0, 0) == 0;
#else
    const bool back = seteuid(0) == 0 && setegid(0) == 0;
#endif
    if (!back) std::abort(); // the rest of the run would test as the wrong user
}

void OpenToEveryone(const QString& folder) {
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                      QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                      QFileDevice::WriteOther | QFileDevice::ExeOther);
}

void MakeReadOnly(const QString& path) {
    QFileDevice::Permissions read = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (QFileInfo(path).isDir())
        read |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QFile::setPermissions(path, read);
}
#endif
