// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/worksheetdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

WorksheetDialog::WorksheetDialog(QWidget *parent)
    : QDialog(parent), m_count(new QSpinBox(this)), m_theorem(new QComboBox(this)),
      m_seed(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Stampa una scheda"));
    m_count->setRange(print::minProblemCount, print::maxProblemCount);
    m_count->setValue(print::defaultProblemCount);
    m_theorem->addItem(QStringLiteral("Entrambi i teoremi"),
                       QVariant::fromValue(int(quiz::TheoremChoice::Both)));
    m_theorem->addItem(QStringLiteral("Solo il primo teorema di Euclide"),
                       QVariant::fromValue(int(quiz::TheoremChoice::Leg)));
    m_theorem->addItem(QStringLiteral("Solo il secondo teorema di Euclide"),
                       QVariant::fromValue(int(quiz::TheoremChoice::Altitude)));
    // The seed printed on a sheet, typed back here, gives the same sheet again.
    m_seed->setRange(0, 999999999);
    m_seed->setValue(int(print::randomSeed()));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Problemi:"), m_count);
    form->addRow(QStringLiteral("&Teorema:"), m_theorem);
    form->addRow(QStringLiteral("S&eme:"), m_seed);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *printButton =
        buttons->addButton(QStringLiteral("Stam&pa..."), QDialogButtonBox::AcceptRole);
    QPushButton *saveButton =
        buttons->addButton(QStringLiteral("&Salva PDF..."), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    printButton->setDefault(true);
    connect(printButton, &QPushButton::clicked, this, &WorksheetDialog::printSheet);
    connect(saveButton, &QPushButton::clicked, this, &WorksheetDialog::saveSheet);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

print::WorksheetRequest WorksheetDialog::request() const
{
    print::WorksheetRequest request;
    request.count = m_count->value();
    request.theorem = quiz::TheoremChoice(m_theorem->currentData().toInt());
    request.seed = quint32(m_seed->value());
    return request;
}

bool WorksheetDialog::saveTo(const QString &path)
{
    if (const auto error = print::writeWorksheetPdf(path, request())) {
        QMessageBox::warning(
            this, QStringLiteral("Scheda non salvata"),
            QStringLiteral("Non è stato possibile salvare la scheda: %1.").arg(*error));
        return false;
    }
    return true;
}

void WorksheetDialog::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!print::paintWorksheet(printer, request())) {
        QMessageBox::warning(this, QStringLiteral("Scheda non stampata"),
                             QStringLiteral("La stampante non ha accettato la scheda."));
        return;
    }
    accept();
}

void WorksheetDialog::saveSheet()
{
    const QString suggested =
        QDir::home().filePath(QStringLiteral("scheda-%1.pdf").arg(m_seed->value()));
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Salva la scheda"), suggested,
                                     QStringLiteral("Documenti PDF (*.pdf)"));
    if (!path.isEmpty() && saveTo(path))
        accept();
}

} // namespace ui
