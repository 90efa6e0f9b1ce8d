#include "widgets/dialogs/calculator.h"

#include "widgets/common/message_box.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

QStringList CalculatorCandidates() {
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("open")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),        QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("qalculate-qt"), QStringLiteral("mate-calc"),
            QStringLiteral("xfce4-calculator"), QStringLiteral("speedcrunch"),  QStringLiteral("xcalc")};
#endif
}

QString FindCalculator() {
    for (const QString& name : CalculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return QString();
}

void StartCalculator(QWidget* parent) {
    const QString program = FindCalculator();
    if (program.isEmpty()) {
        ShowMessage(parent,
                    "No calculator was found on this computer (looked for " +
                        CalculatorCandidates().join(", ") + ").",
                    "Calculator", MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    QStringList arguments;
#ifdef Q_OS_MACOS
    arguments << QStringLiteral("-a") << QStringLiteral("Calculator");
#endif
    if (!QProcess::startDetached(program, arguments))
        ShowMessage(parent, "The calculator " + QDir::toNativeSeparators(program) + " could not be started.",
                    "Calculator", MsgButtons::Ok, MsgIcon::Information);
}
