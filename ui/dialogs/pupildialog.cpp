// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/pupildialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

// Long enough for a full name, short enough for the report's columns.
constexpr int longestName = 60;
constexpr int longestClass = 20;

QString shownName(const record::Pupil &pupil)
{
    if (pupil.className.isEmpty())
        return pupil.name;
    return QCoreApplication::translate("PupilDialog", "%1 (%2)").arg(pupil.name, pupil.className);
}

} // namespace

PupilDialog::PupilDialog(const QList<record::Pupil> &known, const record::Pupil &current,
                         bool askAtStart, Moment moment, QWidget *parent)
    : QDialog(parent), m_pupils(known), m_name(new QLineEdit(current.name, this)),
      m_class(new QLineEdit(current.className, this)),
      m_ask(new QCheckBox(tr("Chiedi chi gioca a ogni avvio"), this)), m_moment(moment)
{
    setObjectName(QStringLiteral("chiGioca"));
    setWindowTitle(tr("Chi gioca?"));
    auto *layout = new QVBoxLayout(this);
    if (!known.isEmpty()) {
        auto *heading = new QLabel(tr("&Hanno già giocato:"), this);
        m_known = new QListWidget(this);
        m_known->setObjectName(QStringLiteral("giocatori"));
        m_known->setAccessibleName(tr("Hanno già giocato"));
        heading->setBuddy(m_known);
        for (const record::Pupil &pupil : known)
            m_known->addItem(shownName(pupil));
        connect(m_known, &QListWidget::currentRowChanged, this, &PupilDialog::fillFrom);
        connect(m_known, &QListWidget::itemActivated, this, &QDialog::accept);
        layout->addWidget(heading);
        layout->addWidget(m_known);
    }
    auto *form = new QFormLayout;
    m_name->setObjectName(QStringLiteral("nome"));
    m_name->setMaxLength(longestName);
    m_class->setObjectName(QStringLiteral("classe"));
    m_class->setMaxLength(longestClass);
    form->addRow(tr("&Nome:"), m_name);
    form->addRow(tr("&Classe:"), m_class);
    layout->addLayout(form);
    m_ask->setObjectName(QStringLiteral("chiediAllAvvio"));
    m_ask->setChecked(askAtStart);
    layout->addWidget(m_ask);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Gioca"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (moment == Moment::AtStart) {
        // Playing without a name is an answer of its own, not a slip of Esc.
        m_withoutName = buttons->addButton(tr("Senza nome"), QDialogButtonBox::ActionRole);
        m_withoutName->setObjectName(QStringLiteral("senzaNome"));
        connect(m_withoutName, &QPushButton::clicked, this, [this] {
            m_namedNobody = true;
            accept();
        });
    } else {
        buttons->addButton(QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    layout->addWidget(buttons);
    // A new name is typed more often than an old one is picked on a pupil's own account.
    m_name->setFocus();
}

void PupilDialog::fillFrom(int row)
{
    if (row < 0 || row >= m_pupils.size())
        return;
    m_name->setText(m_pupils[row].name);
    m_class->setText(m_pupils[row].className);
}

void PupilDialog::reject()
{
    if (m_moment == Moment::FromMenu)
        QDialog::reject();
}

record::Pupil PupilDialog::chosenPupil() const
{
    if (m_namedNobody)
        return {};
    return {m_name->text().simplified(), m_class->text().simplified()};
}

bool PupilDialog::asksAtStart() const
{
    return m_ask->isChecked();
}

} // namespace ui
