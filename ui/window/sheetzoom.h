// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <array>

class QAction;
class QWidget;

namespace ui {

// The sheet's zoom for a projector or a pupil who sees poorly: Ctrl++,
// Ctrl+-, Ctrl+0 and the wheel step through fixed factors, and the factor is
// remembered between runs.
class SheetZoom : public QObject
{
    Q_OBJECT

public:
    static constexpr std::array<double, 13> factors{0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                                    1.25, 1.5,  1.75, 2.0, 2.5, 3.0};

    // Reads the remembered factor and adds the zoom commands to the window.
    explicit SheetZoom(QWidget *window);

    double factor() const { return factors[m_step]; }
    // Zoom in, zoom out, designed size: for a menu.
    std::array<QAction *, 3> actions() const { return {m_zoomIn, m_zoomOut, m_zoomReset}; }
    // Positive steps enlarge; the ends of the range hold.
    void stepBy(int steps);
    // A turn of the wheel, in eighths of a degree: touchpads send small
    // turns, and a step is taken for each whole notch.
    void turnWheel(int angle);
    // The largest scale the window has room for: past it "Ingrandisci"
    // would change nothing, so it is disabled there.
    void setRoom(double fit);

signals:
    void changed(double factor);

private:
    void setStep(size_t step);
    void updateEnds();

    size_t m_step;
    double m_room = 0;    // unknown until the window is laid out
    int m_wheelAngle = 0; // eighths of a degree not yet zoomed
    QAction *m_zoomIn;
    QAction *m_zoomOut;
    QAction *m_zoomReset;
};

} // namespace ui
