// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/worksheetdialog.h"

#include "ui/window/platform.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ui {
namespace {

// Digits only, so that a number out of range reaches the check and is
// refused in words instead of being bent silently into the range.
QLineEdit *numberBox(int digits, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), box));
    return box;
}

QWidget *withNote(QWidget *field, const QString &note, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(new QLabel(note, row));
    return row;
}

} // namespace

WorksheetDialog::WorksheetDialog(Platform &platform, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_count(numberBox(3, this)),
      m_theorem(new QComboBox(this)), m_seed(numberBox(10, this)), m_key(new QComboBox(this)),
      m_level(new QComboBox(this)), m_refusal(new QLabel(this)), m_code(new QLabel(this))
{
    setWindowTitle(tr("Stampa una scheda"));
    m_count->setText(QString::number(print::defaultProblemCount));
    m_theorem->addItem(tr("Entrambi i teoremi"), int(quiz::TheoremChoice::Both));
    m_theorem->addItem(tr("Solo il primo teorema di Euclide"), int(quiz::TheoremChoice::Leg));
    m_theorem->addItem(tr("Solo il secondo teorema di Euclide"),
                       int(quiz::TheoremChoice::Altitude));
    for (const quiz::Level level : quiz::allLevels)
        m_level->addItem(tr("Livello %1: %2").arg(int(level)).arg(quiz::levelName(level)),
                         int(level));
    m_level->setCurrentIndex(m_level->findData(int(quiz::defaultLevel)));
    m_seed->setText(QString::number(print::randomSeed()));
    m_key->addItem(tr("In fondo alla scheda"), int(print::KeyPlacement::End));
    m_key->addItem(tr("In un file a parte"), int(print::KeyPlacement::Separate));
    m_key->addItem(tr("Nessuna"), int(print::KeyPlacement::None));
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(QStringLiteral("color: #b00000"));
    m_refusal->hide();

    auto *form = new QFormLayout;
    form->addRow(tr("&Problemi:"),
                 withNote(m_count,
                          tr("da %1 a %2").arg(print::minProblemCount).arg(print::maxProblemCount),
                          this));
    form->addRow(tr("&Livello:"), m_level);
    form->addRow(tr("&Teorema:"), m_theorem);
    form->addRow(tr("S&eme:"), m_seed);
    form->addRow(QString(), new QLabel(tr("Lo stesso seme dà la stessa scheda."), this));
    form->addRow(tr("S&oluzioni:"), m_key);
    m_code->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_code->setStyleSheet(QStringLiteral("font-weight: bold"));
    form->addRow(tr("Codice del compito:"), m_code);
    form->addRow(QString(),
                 new QLabel(tr("Con questo codice gli alunni hanno gli stessi problemi sullo "
                               "schermo."),
                            this));
    for (QLineEdit *box : {m_count, m_seed})
        connect(box, &QLineEdit::textChanged, this, &WorksheetDialog::showCode);
    for (QComboBox *box : {m_theorem, m_level})
        connect(box, &QComboBox::currentIndexChanged, this, &WorksheetDialog::showCode);
    showCode();

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *printButton = buttons->addButton(tr("Stam&pa..."), QDialogButtonBox::AcceptRole);
    QPushButton *saveButton = buttons->addButton(tr("&Salva PDF..."), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    printButton->setDefault(true);
    connect(printButton, &QPushButton::clicked, this, &WorksheetDialog::printSheet);
    connect(saveButton, &QPushButton::clicked, this, &WorksheetDialog::saveSheet);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_refusal);
    layout->addWidget(buttons);
}

void WorksheetDialog::refuse(const QString &line)
{
    m_refusal->setText(line);
    m_refusal->show();
}

void WorksheetDialog::showCode()
{
    bool countRead = false;
    bool seedRead = false;
    const quiz::Assignment assignment{quiz::Level(m_level->currentData().toInt()),
                                      quiz::TheoremChoice(m_theorem->currentData().toInt()),
                                      m_count->text().toInt(&countRead),
                                      m_seed->text().toUInt(&seedRead)};
    m_code->setText(countRead && seedRead && quiz::isGivable(assignment)
                        ? quiz::assignmentCode(assignment)
                        : QString());
}

std::optional<print::WorksheetRequest> WorksheetDialog::request()
{
    print::WorksheetRequest request;
    bool ok = false;
    request.count = m_count->text().toInt(&ok);
    if (!ok || request.count < print::minProblemCount || request.count > print::maxProblemCount) {
        refuse(tr("I problemi vanno da %1 a %2, non «%3».")
                   .arg(print::minProblemCount)
                   .arg(print::maxProblemCount)
                   .arg(m_count->text()));
        return std::nullopt;
    }
    // The whole range the command line takes, so that any seed printed on a
    // sheet gives the same sheet here.
    request.seed = m_seed->text().toUInt(&ok);
    if (!ok) {
        refuse(tr("Il seme è un numero intero da 0 a 4294967295, non «%1».").arg(m_seed->text()));
        return std::nullopt;
    }
    request.theorem = quiz::TheoremChoice(m_theorem->currentData().toInt());
    request.key = print::KeyPlacement(m_key->currentData().toInt());
    request.level = quiz::Level(m_level->currentData().toInt());
    if (quiz::problemsOffered(request.level, request.theorem) == 0) {
        refuse(tr("Il livello %1 non offre problemi con questo teorema.").arg(int(request.level)));
        return std::nullopt;
    }
    m_refusal->hide();
    return request;
}

QString WorksheetDialog::suggestedFileName() const
{
    return tr("scheda-%1.pdf").arg(m_seed->text());
}

bool WorksheetDialog::saveTo(const QString &path)
{
    const auto asked = request();
    if (!asked)
        return false;
    if (const auto error = print::writeWorksheetPdf(path, *asked)) {
        QMessageBox::warning(this, tr("Scheda non salvata"),
                             tr("Non è stato possibile salvare la scheda: %1.").arg(*error));
        return false;
    }
    QString where = tr("La scheda è stata salvata in «%1».").arg(QDir::toNativeSeparators(path));
    if (asked->key == print::KeyPlacement::Separate)
        where += QLatin1Char('\n') + tr("Le soluzioni sono in «%1».")
                                         .arg(QDir::toNativeSeparators(print::answerKeyPath(path)));
    QMessageBox::information(this, tr("Scheda salvata"), where);
    return true;
}

void WorksheetDialog::printSheet()
{
    const auto asked = request();
    if (!asked)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // On paper a separate key is its own print job, after the pupils' pages.
    const bool printed =
        print::paintWorksheet(printer, *asked) &&
        (asked->key != print::KeyPlacement::Separate || print::paintAnswerKey(printer, *asked));
    if (!printed) {
        QMessageBox::warning(this, tr("Scheda non stampata"),
                             tr("La stampante non ha accettato la scheda."));
        return;
    }
    accept();
}

void WorksheetDialog::saveSheet()
{
    if (!request())
        return;
    const QString suggested = QDir(suggestedFolder()).filePath(suggestedFileName());
    const QString path = m_platform.chooseFileToSave(this, tr("Salva la scheda"), suggested,
                                                     tr("Documenti PDF (*.pdf)"));
    if (!path.isEmpty() && saveTo(path))
        accept();
}

} // namespace ui
