// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace ui {

// The stopwatch picture and the clock just under it, where the tool tips
// promise the timer: a left click there reports clicked(). It follows the
// stopwatch's place and size, so it holds at any scale of the sheet.
class AlarmZone : public QObject
{
    Q_OBJECT

public:
    // Watches the stopwatch's parent, the sheet, which clicks on the picture
    // and on the clock's label reach, since neither takes them.
    explicit AlarmZone(QWidget *stopwatch);

    // The zone in the sheet's coordinates, as the stopwatch now lies.
    QRect area() const;

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_stopwatch;
};

} // namespace ui
