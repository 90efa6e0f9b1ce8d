#pragma once
// A folder that the test process cannot read, for the tests of what the editor does with one.
// Taking the read permissions away stops an ordinary user. The superuser reads past them; on
// Linux the process then gives up, for the rest of its run, the two capabilities that let it
// (each test class runs in a process of its own), so that the folder is as closed to it as to
// anyone else. Where neither works the folder stays readable: Ready() is false and Reason()
// says why, and the test skips.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <optional>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

class UnreadableFolder {
  public:
    // The folder must exist and hold at least one entry, so that a listing shows whether it
    // can still be read.
    explicit UnreadableFolder(const QString& path) : path_(path) {
        if (QDir(path_).isEmpty()) {
            reason_ = "the folder " + path_ + " must hold an entry before it is closed";
            return;
        }
        original_ = QFile::permissions(path_);
        if (!QFile::setPermissions(path_, QFileDevice::Permissions())) {
            reason_ = "the permissions of " + path_ + " cannot be taken away on this file system";
            return;
        }
        if (Closed()) return;
        if (!DropReadingPastPermissions()) {
            reason_ = "this user reads folders whatever their permissions, and cannot give that up";
            return;
        }
        if (!Closed()) reason_ = "the folder " + path_ + " stays readable to this user";
    }
    // The permissions come back, so that the temporary folder can be removed.
    ~UnreadableFolder() {
        if (original_) QFile::setPermissions(path_, *original_);
    }
    UnreadableFolder(const UnreadableFolder&) = delete;
    UnreadableFolder& operator=(const UnreadableFolder&) = delete;

    bool Ready() const { return reason_.isEmpty(); }
    QString Reason() const { return "no unreadable folder can be made: " + reason_; }

  private:
    // Both what a listing finds and what the permissions say.
    bool Closed() const {
        const QDir dir(path_);
        return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                   .isEmpty() &&
               !QFileInfo(path_).isReadable();
    }

    static bool DropReadingPastPermissions() {
#ifdef Q_OS_LINUX
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
        if (syscall(SYS_capget, &header, data) != 0) return false;
        // Given up for good, not only for now: the permission test of the system (access())
        // takes back what is still permitted, and would call the folder readable.
        const __u32 past = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective &= ~past;
        data[0].permitted &= ~past;
        data[0].inheritable &= ~past;
        return syscall(SYS_capset, &header, data) == 0;
#else
        return false;
#endif
    }

    QString path_;
    QString reason_;
    std::optional<QFileDevice::Permissions> original_;
};
