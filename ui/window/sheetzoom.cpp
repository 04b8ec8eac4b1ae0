// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/sheetzoom.h"

#include "ui/window/commands.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

const QString zoomKey = QStringLiteral("worksheet/zoom");
constexpr size_t designedStep = 5;
static_assert(SheetZoom::factors[designedStep] == 1.0);

// The step nearest a stored factor; anything unreadable is the designed size.
size_t stepNearest(double factor)
{
    if (!std::isfinite(factor) || factor <= 0)
        return designedStep;
    const auto &f = SheetZoom::factors;
    const auto nearest = std::min_element(f.begin(), f.end(), [factor](double a, double b) {
        return std::abs(std::log(a / factor)) < std::abs(std::log(b / factor));
    });
    return size_t(nearest - f.begin());
}

} // namespace

SheetZoom::SheetZoom(QWidget *window)
    : QObject(window), m_step(stepNearest(QSettings().value(zoomKey, 1.0).toDouble()))
{
    // Ctrl+= too: on many keyboards "+" needs Shift.
    m_zoomIn = addNamedAction(window, "zoomIn", tr("Ingrandisci"),
                              {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = addNamedAction(window, "zoomOut", tr("Riduci"), {QKeySequence::ZoomOut});
    m_zoomReset = addNamedAction(window, "zoomReset", tr("Dimensioni originali"),
                                 {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(m_zoomIn, &QAction::triggered, this, [this] { stepBy(1); });
    connect(m_zoomOut, &QAction::triggered, this, [this] { stepBy(-1); });
    connect(m_zoomReset, &QAction::triggered, this, [this] { setStep(designedStep); });
}

void SheetZoom::stepBy(int steps)
{
    const int last = int(factors.size()) - 1;
    setStep(size_t(std::clamp(int(m_step) + steps, 0, last)));
}

void SheetZoom::setStep(size_t step)
{
    if (step == m_step)
        return;
    m_step = step;
    QSettings().setValue(zoomKey, factor());
    emit changed(factor());
}

} // namespace ui
