// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/windowtests.h"
#include "ui/window/tavola.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

// One window with its fakes; the clock reads 10:00:00 on 08/12/2026.
struct Session
{
    explicit Session(QList<float> draws = {0.5f}) : random(std::move(draws)) {}

    FakeClock clock;
    ScriptedRandom random;
    FakePlatform platform;
    ui::Tavola tavola{clock, random, platform};

    template <typename T> T *find(const QString &name) { return tavola.findChild<T *>(name); }
    QAction *command(const char *name)
    {
        return tavola.menuBar()->findChild<QAction *>(QString::fromLatin1(name));
    }

    // With the real timer stopped, only the ticks the test makes reach the clock.
    bool startQuiet()
    {
        tavola.start();
        find<QTimer>("Timer1")->stop();
        return QTest::qWaitForWindowActive(&tavola);
    }

    QString text(const QString &name) // of a label or a box
    {
        auto *widget = find<QWidget>(name);
        return widget ? widget->property("text").toString() : QStringLiteral("<no %1>").arg(name);
    }

    QStringList shownValues()
    {
        QStringList shown;
        for (const QString &name : windowtests::valueLabels)
            if (auto *label = find<QLabel>(name); label && label->isVisibleTo(&tavola))
                shown << name;
        return shown;
    }

    // What the pupil sees of the problem and the game, in one text so that a
    // difference shows in the failure message.
    QString snapshot()
    {
        QStringList parts{QStringLiteral("shown=") + shownValues().join(u',')};
        for (const QString &name : windowtests::valueLabels + QStringList{"Label5", "txtAnswer", "lblMessage",
                                                             "lblScore", "lblScore1", "lblScore2"})
            parts << name + u'=' + text(name);
        return parts.join(QStringLiteral(" | "));
    }

    void tick(QTime time)
    {
        clock.now = time;
        tavola.Timer1_Timer();
    }

    void type(const QString &typed, bool enter = true)
    {
        auto *box = find<QLineEdit>(QStringLiteral("txtAnswer"));
        QTest::keyClicks(box, typed);
        if (enter)
            QTest::keyClick(box, Qt::Key_Return);
    }

    void enterState(Qt::WindowState state)
    {
        tavola.setWindowState(state);
        QCoreApplication::processEvents();
    }
};
