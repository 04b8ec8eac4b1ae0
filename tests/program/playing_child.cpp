// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window keeping a record, played by itself: COUNT answers,
// "verdict N" once the verdict of answer N is shown, "stored N" whenever
// the file holds N of them, "played" at the end. With --exit it then leaves
// by the exit button, answered Yes; else it waits to be ended by a signal.
// Arguments: RECORD COUNT [--exit]
#include "support/modalboxes.h"

#include "ui/window/answerlog.h"
#include "ui/window/program.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void play(ui::Tavola &tavola, int count)
{
    auto *box = tavola.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
    auto *next = tavola.findChild<QPushButton *>(QStringLiteral("cmdNext"));
    for (int i = 0; i < count; ++i) {
        const float expected = tavola.state().ExpectedValue;
        QTest::keyClicks(box, QString::number(expected, 'g', 6).replace(u'.', u','));
        QTest::keyClick(box, Qt::Key_Return);
        if (next->isEnabled())
            say(QStringLiteral("verdict %1").arg(i));
        next->click();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3)
        return 2;
    ui::Program program(app);
    ui::Tavola &tavola = program.window();
    tavola.keepRecord(arguments.at(1));
    QObject::connect(tavola.findChild<ui::AnswerLog *>(), &ui::AnswerLog::answersStored, &app,
                     [](int count) { say(QStringLiteral("stored %1").arg(count)); });
    tavola.start();
    QTimer::singleShot(0, &app, [&] {
        play(tavola, arguments.at(2).toInt());
        say(QStringLiteral("played"));
        if (!arguments.contains(QStringLiteral("--exit")))
            return;
        new ModalBoxes({QMessageBox::Yes, QMessageBox::Ok});
        tavola.cmdExit_Click();
        say(QStringLiteral("still running after the exit"));
    });
    return app.exec();
}
