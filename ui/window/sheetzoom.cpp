// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/sheetzoom.h"

#include "files/settings.h"
#include "ui/window/commands.h"

#include <QAction>
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
    : QObject(window), m_step(stepNearest(files::Settings::user().value(zoomKey, 1.0).toDouble()))
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
    updateEnds();
}

void SheetZoom::turnWheel(int angle)
{
    constexpr int notch = 120;
    m_wheelAngle += angle;
    const int steps = m_wheelAngle / notch;
    m_wheelAngle -= steps * notch;
    if (steps != 0)
        stepBy(steps);
}

void SheetZoom::stepBy(int steps)
{
    if (steps > 0 && !m_zoomIn->isEnabled())
        return;
    const int last = int(factors.size()) - 1;
    // A zoom larger than the room shows as the room: shrinking starts there.
    size_t from = m_step;
    if (steps < 0)
        while (m_room > 0 && from > 0 && factors[from - 1] >= m_room)
            --from;
    setStep(size_t(std::clamp(int(from) + steps, 0, last)));
}

void SheetZoom::setStep(size_t step)
{
    if (step == m_step)
        return;
    m_step = step;
    files::Settings::user().setValue(zoomKey, factor());
    updateEnds();
    emit changed(factor());
}

void SheetZoom::setRoom(double fit)
{
    m_room = fit;
    updateEnds();
}

void SheetZoom::updateEnds()
{
    const bool roomToGrow = m_room <= 0 || factor() < m_room;
    m_zoomIn->setEnabled(m_step + 1 < factors.size() && roomToGrow);
    m_zoomOut->setEnabled(m_step > 0);
}

} // namespace ui
