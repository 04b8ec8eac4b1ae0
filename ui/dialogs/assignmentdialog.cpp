// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/assignmentdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

AssignmentDialog::AssignmentDialog(const QString &code, QWidget *parent)
    : QDialog(parent), m_code(new QLineEdit(code, this)), m_refusal(new QLabel(this))
{
    setWindowTitle(tr("Compito"));
    auto *prompt = new QLabel(tr("Il &codice del compito che ti ha dato l'insegnante:"), this);
    prompt->setBuddy(m_code);
    // Room for a code typed with blanks; what counts is checked on OK.
    m_code->setMaxLength(40);
    m_refusal->setStyleSheet(QStringLiteral("color: #b00000"));
    m_refusal->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Comincia"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &AssignmentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_code);
    layout->addWidget(m_refusal);
    layout->addWidget(buttons);
}

void AssignmentDialog::accept()
{
    m_assignment = quiz::assignmentOfCode(m_code->text());
    if (!m_assignment) {
        m_refusal->setText(quiz::invalidAssignmentCode());
        m_refusal->show();
        // Read at once to a screen reader, which stays in the box.
        m_code->setAccessibleDescription(m_refusal->text());
        m_code->setFocus();
        m_code->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace ui
