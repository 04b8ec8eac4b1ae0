// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/pupil.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace ui {

// "Chi gioca?": the pupil's name and class, picked from those who already
// played here or typed anew, and whether to ask again at every start.
class PupilDialog : public QDialog
{
    Q_OBJECT

public:
    PupilDialog(const QList<record::Pupil> &known, const record::Pupil &current, bool askAtStart,
                QWidget *parent = nullptr);

    // After the dialog is accepted.
    record::Pupil chosenPupil() const;
    bool asksAtStart() const;

    QListWidget *knownList() const { return m_known; } // null when nobody played yet
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *classEdit() const { return m_class; }
    QCheckBox *askBox() const { return m_ask; }

private:
    void fillFrom(int row);

    QList<record::Pupil> m_pupils;
    QListWidget *m_known = nullptr;
    QLineEdit *m_name;
    QLineEdit *m_class;
    QCheckBox *m_ask;
};

} // namespace ui
