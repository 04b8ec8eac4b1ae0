// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace ui {

QStringList calculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
#endif
}

QString findProgram(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        const QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

void DesktopPlatform::beep()
{
    QApplication::beep();
}

bool DesktopPlatform::startCalculator()
{
    const QString program = findProgram(calculatorCandidates());
    // Detached and without a shell: the calculator outlives nothing of ours.
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

QString suggestedFolder()
{
    return QStandardPaths::isTestModeEnabled() ? QDir::tempPath() : QDir::homePath();
}

QString DesktopPlatform::chooseFileToSave(QWidget *parent, const QString &title,
                                          const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

void DesktopPlatform::endProgram(int exitStatus)
{
    // At once: no unload, no further event or timer tick.
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

} // namespace ui
