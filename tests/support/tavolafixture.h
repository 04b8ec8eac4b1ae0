// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/windowtests.h"
#include "ui/window/tavola.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>

// One window on a fake clock and platform, for the tests of the sheet.
class TavolaFixture
{
protected:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return windowtests::controlOf<T>(m_tavola.get(), name);
    }
    QLabel *label(const QString &name) const { return control<QLabel>(name); }
    QLineEdit *answerBox() const { return control<QLineEdit>("txtAnswer"); }

    void makeWindow()
    {
        m_random = std::make_unique<quiz::MixingRandomSource>(42);
        m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
    }

    void dropWindow()
    {
        m_tavola.reset();
        m_random.reset();
    }

    // A started, active window whose clock ticks only when the test says.
    void startWith(std::unique_ptr<quiz::RandomSource> random)
    {
        m_tavola.reset();
        m_random = std::move(random);
        m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
        m_tavola->start();
        QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
        m_tavola->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_tavola.get()));
        control<QTimer>("Timer1")->stop();
    }

    int visibleValueLabels() const
    {
        int visible = 0;
        for (const QString &name : windowtests::valueLabels)
            visible += label(name)->isVisibleTo(m_tavola.get());
        return visible;
    }

    FakeClock m_clock;
    FakePlatform m_platform;
    std::unique_ptr<quiz::RandomSource> m_random;
    std::unique_ptr<ui::Tavola> m_tavola;
};
