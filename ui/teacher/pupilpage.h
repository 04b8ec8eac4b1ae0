// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/answerrow.h"
#include "record/pupil.h"

#include <QDialog>

class QStandardItemModel;

namespace ui::teacher {

// One pupil's page: the results as the pupil sees them (kinds, days) and
// the answers themselves, one row each, sortable. Esc closes it.
class PupilPage : public QDialog
{
    Q_OBJECT

public:
    PupilPage(const QList<record::AnswerRow> &answers, const record::Pupil &pupil,
              QWidget *parent = nullptr);

    QStandardItemModel *answersModel() const { return m_answers; }

private:
    QStandardItemModel *m_answers;
};

} // namespace ui::teacher
