// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// What the window asks of the desktop beyond its own widgets; tests hand it
// a fake.
class Platform
{
public:
    virtual ~Platform() = default;
    virtual void beep() = 0;
    // Starts a calculator without waiting; false when none could be started.
    virtual bool startCalculator() = 0;
    // Ends the program at once with the given exit status.
    virtual void endProgram(int exitStatus) = 0;
    // Asks where to save a file, proposing suggested; an empty text when
    // the user cancels.
    virtual QString chooseFileToSave(QWidget *parent, const QString &title,
                                     const QString &suggested, const QString &filter) = 0;
};

// The folder the save dialogs propose: the user's home, or in test mode
// (QStandardPaths::setTestModeEnabled) the system's temporary folder, so
// that no test writes into the home folder.
QString suggestedFolder();

// The calculators tried, in order.
QStringList calculatorCandidates();

// The first candidate found on the PATH, or an empty text.
QString findProgram(const QStringList &candidates);

class DesktopPlatform final : public Platform
{
public:
    void beep() override;
    bool startCalculator() override;
    void endProgram(int exitStatus) override;
    QString chooseFileToSave(QWidget *parent, const QString &title, const QString &suggested,
                             const QString &filter) override;
};

} // namespace ui
