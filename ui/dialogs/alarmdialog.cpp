// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/alarmdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace ui {
namespace {

QTime startingTime(const quiz::AlarmValue &current, QTime now)
{
    if (const QTime *time = std::get_if<QTime>(&current); time && time->isValid())
        return *time;
    const QTime nextMinute = now.addSecs(60);
    return QTime(nextMinute.hour(), nextMinute.minute());
}

} // namespace

AlarmDialog::AlarmDialog(const quiz::AlarmValue &current, const quiz::Clock &clock, QWidget *parent)
    : QDialog(parent), m_clock(clock),
      m_timeEdit(new QTimeEdit(startingTime(current, clock.timeOfDay()), this)),
      m_setButton(new QPushButton(QStringLiteral("Imposta"), this)),
      m_clearButton(new QPushButton(QStringLiteral("Togli la sveglia"), this)),
      m_refusal(new QLabel(this))
{
    // Not "Sveglia": that is the title of the box that rings.
    setWindowTitle(QStringLiteral("Imposta la sveglia"));
    m_timeEdit->setDisplayFormat(QStringLiteral("HH:mm"));
    m_timeEdit->setAccessibleName(QStringLiteral("Ora della sveglia"));

    auto *explanation =
        new QLabel(QStringLiteral("A quest'ora il programma suona e mostra un avviso."), this);
    explanation->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Suona alle:"), m_timeEdit);
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(QStringLiteral("color: #C00000"));
    m_refusal->hide();

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_setButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_clearButton, QDialogButtonBox::DestructiveRole);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(QStringLiteral("Annulla"));
    m_setButton->setDefault(true);
    m_clearButton->setEnabled(std::holds_alternative<QTime>(current));

    connect(m_setButton, &QPushButton::clicked, this, &AlarmDialog::acceptFutureTime);
    connect(m_clearButton, &QPushButton::clicked, this, [this] {
        m_cleared = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(m_refusal);
    layout->addWidget(buttons);
}

// The alarm compares times of day only: a time already past today would ring
// at the next second, and one meant for tomorrow cannot be told from it.
void AlarmDialog::acceptFutureTime()
{
    const QTime chosen = m_timeEdit->time();
    if (chosen <= m_clock.timeOfDay()) {
        m_refusal->setText(tr("Le %1 sono già passate: scegli un'ora più tarda, entro oggi.")
                               .arg(chosen.toString(QStringLiteral("HH:mm"))));
        m_refusal->setAccessibleName(m_refusal->text());
        m_refusal->show();
        m_timeEdit->setFocus();
        return;
    }
    m_cleared = false;
    accept();
}

quiz::AlarmValue AlarmDialog::chosenAlarm() const
{
    if (m_cleared)
        return QString();
    return m_timeEdit->time();
}

} // namespace ui
