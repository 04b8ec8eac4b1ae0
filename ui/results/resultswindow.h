// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "format/displaylocale.h"
#include "record/answerrow.h"
#include "record/pupil.h"

#include <QDate>
#include <QDialog>

class QTableWidget;
class QVBoxLayout;

namespace ui {

// "I miei risultati": one pupil's answers today and in all, by level and by
// kind of problem (tables with bars beside them), day by day, the longest
// run of right answers and the kinds most often wrong. It scrolls on a
// small screen; Esc closes it.
class ResultsWindow : public QDialog
{
    Q_OBJECT

public:
    ResultsWindow(const QList<record::AnswerRow> &answers, const record::Pupil &pupil, QDate today,
                  const format::DisplayLocale &locale, QWidget *parent = nullptr);

    QTableWidget *totalsTable() const { return m_totals; }
    QTableWidget *levelTable() const { return m_levels; }
    QTableWidget *kindTable() const { return m_kinds; }

private:
    void addHeading(QVBoxLayout *layout, const QString &text);
    void addText(QVBoxLayout *layout, const QString &text, const char *name);

    QTableWidget *m_totals = nullptr;
    QTableWidget *m_levels = nullptr;
    QTableWidget *m_kinds = nullptr;
};

} // namespace ui
