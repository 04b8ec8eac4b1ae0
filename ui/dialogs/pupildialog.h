// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/pupil.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

// "Chi gioca?": the pupil's name and class, picked from those who already
// played here or typed anew, and whether to ask again at every start. At
// start it is answered, not dismissed: "Senza nome" plays without a name,
// and Esc leaves the question up.
class PupilDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Moment { AtStart, FromMenu };

    PupilDialog(const QList<record::Pupil> &known, const record::Pupil &current, bool askAtStart,
                Moment moment = Moment::FromMenu, QWidget *parent = nullptr);

    void reject() override;

    // After the dialog is accepted.
    record::Pupil chosenPupil() const;
    bool asksAtStart() const;

    QListWidget *knownList() const { return m_known; } // null when nobody played yet
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *classEdit() const { return m_class; }
    QCheckBox *askBox() const { return m_ask; }
    QPushButton *withoutNameButton() const { return m_withoutName; } // at start only

private:
    void fillFrom(int row);

    QList<record::Pupil> m_pupils;
    QListWidget *m_known = nullptr;
    QLineEdit *m_name;
    QLineEdit *m_class;
    QCheckBox *m_ask;
    Moment m_moment;
    QPushButton *m_withoutName = nullptr;
    bool m_namedNobody = false;
};

} // namespace ui
