// SPDX-License-Identifier: GPL-3.0-or-later
// A school's technician asks for "Chi gioca?" once for every account, in
// the machine's settings file under XDG_CONFIG_DIRS; a user's own choice
// comes first. The folders are temporary and set before any setting is read.
#include "support/playing.h"
#include "support/tavolafixture.h"

#include "files/settings.h"
#include "ui/dialogs/pupildialog.h"
#include "ui/window/pupilsettings.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestMachineSettings : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { dropWindow(); }

    void machineAsksAtStart();
    void userChoiceComesFirst();
    void firstFolderHoldingTheFile_data();
    void firstFolderHoldingTheFile();

private:
    QString folder(int i) const { return m_dir.filePath(QStringLiteral("xdg%1").arg(i)); }
    void writeMachineFile(int i, bool ask);

    QTemporaryDir m_dir;
};

void TestMachineSettings::writeMachineFile(int i, bool ask)
{
    QDir().mkpath(folder(i) + QStringLiteral("/Solvetra"));
    QFile file(folder(i) + QStringLiteral("/Solvetra/solvetra.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // As a technician writes it by hand.
    file.write(ask ? "[pupil]\naskAtStart=true\n" : "[pupil]\naskAtStart=false\n");
}

void TestMachineSettings::initTestCase()
{
    // As the program names itself, which names its settings files.
    QCoreApplication::setOrganizationName(QStringLiteral("Solvetra"));
    QCoreApplication::setApplicationName(QStringLiteral("solvetra"));
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder(1) + u':' + folder(2)));
    writeMachineFile(2, true);
}

void TestMachineSettings::machineAsksAtStart()
{
    QVERIFY(ui::pupilsettings::asksAtStart());
    m_random = std::make_unique<quiz::MixingRandomSource>(5);
    m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
    m_tavola->keepRecord(m_dir.filePath(QStringLiteral("r.sqlite")));
    bool checked = false;
    const bool asked =
        playing::respond<ui::PupilDialog>([this] { m_tavola->start(); },
                                          [&](ui::PupilDialog *dialog) {
                                              checked = dialog->askBox()->isChecked();
                                              dialog->nameEdit()->setText(QStringLiteral("Ada"));
                                              dialog->accept();
                                          });
    QVERIFY(asked);
    QVERIFY(checked);
    // Nothing written to the machine's file: it is the technician's.
    QVERIFY(!files::Settings::user().contains(QStringLiteral("pupil/askAtStart")));
}

void TestMachineSettings::userChoiceComesFirst()
{
    ui::pupilsettings::setAsksAtStart(false);
    QVERIFY(!ui::pupilsettings::asksAtStart());
    files::Settings::user().clear();
    QVERIFY(ui::pupilsettings::asksAtStart());
}

void TestMachineSettings::firstFolderHoldingTheFile_data()
{
    QTest::addColumn<QList<int>>("holding"); // the folders with a file
    QTest::addColumn<int>("expected");       // whose file is read
    QTest::newRow("only the second") << QList<int>{2} << 2;
    QTest::newRow("both: the first wins") << QList<int>{1, 2} << 1;
    QTest::newRow("none: the first is named") << QList<int>{} << 1;
}

void TestMachineSettings::firstFolderHoldingTheFile()
{
    QFETCH(QList<int>, holding);
    QFETCH(int, expected);
    for (int i : {1, 2})
        QDir(folder(i)).removeRecursively();
    for (int i : holding)
        writeMachineFile(i, i == 1);
    const QString path = files::Settings::machinePath();
    QCOMPARE(path, folder(expected) + QStringLiteral("/Solvetra/solvetra.conf"));
    if (!holding.isEmpty())
        QCOMPARE(files::Settings(path).value(QStringLiteral("pupil/askAtStart")).toBool(),
                 expected == 1);
}

QTEST_MAIN(TestMachineSettings)
#include "tst_machinesettings.moc"
