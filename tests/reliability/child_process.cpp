#include "child_process.h"

#include <sys/wait.h>
#include <unistd.h>

ChildReport RunInChild(const std::function<QByteArray(int* exitCode)>& work) {
    ChildReport report;
    int channel[2];
    if (pipe(channel) != 0) return report;
    const pid_t pid = fork();
    if (pid < 0) return report;
    if (pid == 0) {
        close(channel[0]);
        int code = 0;
        const QByteArray text = work(&code);
        for (qsizetype done = 0; done < text.size();) {
            const ssize_t n = write(channel[1], text.constData() + done, size_t(text.size() - done));
            if (n <= 0) break;
            done += n;
        }
        // No destructors and no exit handlers: they belong to the test process.
        _exit(code);
    }
    close(channel[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        report.text.append(buffer, n);
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    report.finished = WIFEXITED(status);
    report.exitCode = report.finished ? WEXITSTATUS(status) : -1;
    return report;
}
