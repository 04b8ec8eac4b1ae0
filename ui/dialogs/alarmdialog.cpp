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

// In the day's last minute no whole minute is left to offer.
bool timeLeftToday(QTime now)
{
    return now < QTime(23, 59);
}

QTime startingTime(std::optional<QTime> pending, QTime now)
{
    if (pending)
        return *pending;
    if (!timeLeftToday(now))
        return QTime(23, 59);
    const QTime nextMinute = now.addSecs(60);
    return QTime(nextMinute.hour(), nextMinute.minute());
}

} // namespace

AlarmDialog::AlarmDialog(std::optional<QTime> pending, const quiz::Clock &clock, QWidget *parent)
    : QDialog(parent), m_clock(clock),
      m_timeEdit(new QTimeEdit(startingTime(pending, clock.timeOfDay()), this)),
      m_setButton(new QPushButton(tr("Imposta"), this)),
      m_clearButton(new QPushButton(tr("Togli la sveglia"), this)),
      m_refusal(new QLabel(this)),
      m_current(new QLabel(pending ? tr("La sveglia suona alle %1.")
                                         .arg(pending->toString(QStringLiteral("HH:mm")))
                                   : tr("Nessuna sveglia impostata."),
                           this))
{
    // Not "Sveglia": that is the title of the box that rings.
    setWindowTitle(tr("Imposta la sveglia"));
    m_timeEdit->setDisplayFormat(QStringLiteral("HH:mm"));
    m_timeEdit->setAccessibleName(tr("Ora della sveglia"));

    auto *explanation =
        new QLabel(tr("A quest'ora il programma suona e mostra un avviso."), this);
    explanation->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(tr("&Suona alle:"), m_timeEdit);
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(QStringLiteral("color: #C00000"));
    m_refusal->hide();

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_setButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_clearButton, QDialogButtonBox::DestructiveRole);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(tr("Annulla"));
    m_setButton->setDefault(true);
    // A time that has rung is no alarm any more: nothing to take away.
    m_clearButton->setEnabled(pending.has_value());
    m_current->setWordWrap(true);

    connect(m_setButton, &QPushButton::clicked, this, &AlarmDialog::acceptFutureTime);
    connect(m_clearButton, &QPushButton::clicked, this, [this] {
        m_cleared = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_current);
    layout->addLayout(form);
    layout->addWidget(m_refusal);
    layout->addWidget(buttons);
    // The dialog grows with the refusal's lines instead of cutting them.
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    if (!timeLeftToday(clock.timeOfDay())) {
        // Anything offered now would be refused: say so at once.
        say(tr("Per oggi non resta nessun minuto: la sveglia si può impostare dopo la mezzanotte."));
        m_setButton->setEnabled(false);
        m_setButton->setDefault(false);
    }
}

void AlarmDialog::say(const QString &line)
{
    m_refusal->setText(line);
    m_refusal->setAccessibleName(line);
    m_refusal->show();
    adjustSize();
}

// The alarm compares times of day only: a time already past today would ring
// at the next second, and one meant for tomorrow cannot be told from it.
void AlarmDialog::acceptFutureTime()
{
    const QTime chosen = m_timeEdit->time();
    if (chosen <= m_clock.timeOfDay()) {
        say(tr("Le %1 sono già passate: scegli un'ora più tarda, entro oggi.")
                .arg(chosen.toString(QStringLiteral("HH:mm"))));
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
