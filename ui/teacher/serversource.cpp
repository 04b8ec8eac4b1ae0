// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teacher/serversource.h"

#include "record/serveraddress.h"
#include "record/serverpassword.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui::teacher {
namespace {

// "~/.pgpass", as the teacher knows it.
QString shownPath(const QString &path)
{
    const QString home = QDir::homePath() + u'/';
    return path.startsWith(home) ? QStringLiteral("~/") + path.mid(home.size())
                                 : QDir::toNativeSeparators(path);
}

} // namespace

ServerSourceDialog::ServerSourceDialog(const QString &url, QWidget *parent)
    : QDialog(parent), m_address(new QLineEdit(url, this)), m_password(new QLineEdit(this)),
      m_keep(new QCheckBox(
          tr("&Ricorda la password in %1").arg(shownPath(record::passwordFilePath())), this)),
      m_refusal(new QLabel(this))
{
    setObjectName(QStringLiteral("serverDellaScuola"));
    setWindowTitle(tr("Server della scuola"));
    m_address->setObjectName(QStringLiteral("indirizzo"));
    m_address->setAccessibleName(tr("Indirizzo del server"));
    m_address->setPlaceholderText(QStringLiteral("postgresql://solvetra_teacher@server/solvetra"));
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setAccessibleName(tr("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setToolTip(tr("Vuota: la password già ricordata, se c'è."));
    m_keep->setObjectName(QStringLiteral("ricorda"));
    m_keep->setAccessibleName(tr("Ricorda la password"));
    m_refusal->setObjectName(QStringLiteral("rifiuto"));
    m_refusal->setWordWrap(true);
    m_refusal->hide();

    auto *form = new QFormLayout;
    auto *addressLabel = new QLabel(tr("&Indirizzo:"), this);
    addressLabel->setBuddy(m_address);
    auto *passwordLabel = new QLabel(tr("&Password:"), this);
    passwordLabel->setBuddy(m_password);
    form->addRow(addressLabel, m_address);
    form->addRow(passwordLabel, m_password);
    form->addRow(QString(), m_keep);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Leggi"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ServerSourceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_refusal);
    layout->addWidget(buttons);
    // The whole address in sight, however long the server's name.
    m_address->setMinimumWidth(
        std::max(fontMetrics().averageCharWidth() * 50,
                 fontMetrics().horizontalAdvance(url + QStringLiteral("MMM"))));
    (url.isEmpty() ? m_address : m_password)->setFocus();
}

QString ServerSourceDialog::url() const
{
    return m_address->text().trimmed();
}

QString ServerSourceDialog::password() const
{
    return m_password->text();
}

bool ServerSourceDialog::keepPassword() const
{
    return m_keep->isChecked();
}

void ServerSourceDialog::accept()
{
    if (!record::serverAddressOf(url())) {
        const QString line = tr("«%1» non è l'indirizzo di un server: scrivilo come "
                                "postgresql://utente@server/banca-dati.")
                                 .arg(url());
        m_refusal->setText(line);
        m_refusal->setAccessibleName(line);
        m_refusal->show();
        m_address->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace ui::teacher
