#pragma once
// Storage that refuses writes, made inside the test process and undone when the scope ends.
// Unix only: the file size limit and the user ids are POSIX.
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_UNIX
// Lowers this process's file size limit, with SIGXFSZ ignored: writes past the limit fail
// as they do on a full disk, instead of killing the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return ok_; }

  private:
    unsigned long long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
    bool ok_ = false;
};

// Root passes every permission check, so a read-only file or folder refuses nothing to a
// test run as root. While this lives a root process works under an ordinary user's ids,
// keeping root as its saved id to return to; for any other user it changes nothing.
class OrdinaryUser {
  public:
    OrdinaryUser();
    ~OrdinaryUser();
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;
    bool ok() const { return ok_; }

  private:
    bool switched_ = false;
    bool ok_ = true;
};

// Lets every user read, write and enter a folder (as the editor's user may in its own).
void OpenToEveryone(const QString& folder);
// Leaves a file or folder readable (and enterable) by everyone and writable by nobody.
void MakeReadOnly(const QString& path);
#endif
