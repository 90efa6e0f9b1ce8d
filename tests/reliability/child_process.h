#pragma once
// Runs a piece of a test in a forked child and hands back what it reports: for limits that
// must not touch the test process (file size, user) and for measurements of one operation
// alone (peak memory).
#include <QByteArray>
#include <functional>

struct ChildReport {
    bool finished = false; // the child ran to its end and was not killed
    int exitCode = -1;
    QByteArray text; // what the work returned
};

// work runs in the child; its result text comes back, and its exit code is 0.
ChildReport RunInChild(const std::function<QByteArray(int* exitCode)>& work);
