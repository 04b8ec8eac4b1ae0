// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads through Qt's accessibility interfaces while a
// pupil plays: the focused control must carry the question and the given
// lengths, then the verdict and the score. (The change events themselves
// need a platform bridge that is active only with a real accessibility bus;
// the Orca play covers them.)
#include "support/fakeplatform.h"
#include "support/fakes.h"
#include "support/windowtests.h"
#include "ui/window/appsetup.h"
#include "ui/window/tavola.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

using windowtests::valueLabels;

namespace {

// The quantity each value label stands beside in the figure.
const QHash<QString, QString> quantityOf{{"Lblpro1", "Proiezione BH"}, {"Lblpro2", "Proiezione HC"},
                                         {"lblcat1", "Cateto AB"},     {"Lblcat2", "Cateto AC"},
                                         {"lblipoeu", "Ipotenusa BC"}, {"Lblalt", "Altezza AH"}};

QString read(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void readsTheQuizAtEachFocus_data();
    void readsTheQuizAtEachFocus();
    void headingsAreReadOnceAndPicturesAreNamed();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        return windowtests::controlOf<T>(m_tavola.get(), name);
    }
    QList<QLabel *> givenLengths() const;
    QLabel *askedLength() const;
    void checkQuestionIsRead();

    FakeClock m_clock;
    FakePlatform m_platform;
    std::unique_ptr<quiz::RandomSource> m_random;
    std::unique_ptr<ui::Tavola> m_tavola;
};

void TestAccessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAccessibility::cleanup()
{
    m_tavola.reset();
    m_random.reset();
}

QList<QLabel *> TestAccessibility::givenLengths() const
{
    QList<QLabel *> given;
    for (const QString &name : valueLabels)
        if (control<QLabel>(name)->isVisibleTo(m_tavola.get()))
            given << control<QLabel>(name);
    return given;
}

// The hidden label still holds the right value.
QLabel *TestAccessibility::askedLength() const
{
    const QString asked = control<QLabel>("Label5")->text();
    for (const QString &name : valueLabels)
        if (quantityOf[name] == asked)
            return control<QLabel>(name);
    qFatal("no value label for %s", qPrintable(asked));
}

void TestAccessibility::checkQuestionIsRead()
{
    auto *box = control<QLineEdit>("txtAnswer");
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(read(box, QAccessible::Name), control<QLabel>("Label5")->text() + ", in centimetri");

    const QList<QLabel *> given = givenLengths();
    QCOMPARE(given.size(), 2);
    QStringList spoken;
    for (QLabel *length : given) {
        const QString name = quantityOf[length->objectName()] + ' ' + length->text() + " cm";
        QCOMPARE(read(length, QAccessible::Name), name);
        spoken << name;
    }
    QCOMPARE(read(box, QAccessible::Description),
             "Dati: " + spoken.join(", ") + ". Inserisci il risultato e premi il tasto Invio.");
    // No verdict stands: the button reads its tool tip.
    QCOMPARE(read(control("cmdNext"), QAccessible::Description), "Go");
}

void TestAccessibility::readsTheQuizAtEachFocus_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::addColumn<bool>("answerRight");

    QTest::newRow("wrong, then right") << quint64(3) << false;
    QTest::newRow("right, then wrong") << quint64(11) << true;
    QTest::newRow("another triangle") << quint64(29) << false;
}

void TestAccessibility::readsTheQuizAtEachFocus()
{
    QFETCH(quint64, seed);
    QFETCH(bool, answerRight);

    m_random = std::make_unique<quiz::MixingRandomSource>(seed);
    m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    m_tavola->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_tavola.get()));
    control<QTimer>("Timer1")->stop();

    int right = 0;
    int wrong = 0;
    for (int round = 0; round < 2; ++round, answerRight = !answerRight) {
        checkQuestionIsRead();

        const QString asked = control<QLabel>("Label5")->text();
        const QString rightValue = askedLength()->text();
        const QString typed = answerRight ? rightValue : rightValue + "1";
        auto *box = control<QLineEdit>("txtAnswer");
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        answerRight ? ++right : ++wrong;

        auto *next = control<QPushButton>("cmdNext");
        QCOMPARE(QApplication::focusWidget(), next);
        const QString verdict = answerRight ? control<QLabel>("lblMessage")->text()
                                            : "Sbagliato!! " + asked + ' ' + rightValue + " cm.";
        const QString score = QStringLiteral("Risposte esatte: %1, Risposte errate: %2, "
                                             "Risposte totali: %3.")
                                  .arg(right)
                                  .arg(wrong)
                                  .arg(right + wrong);
        QCOMPARE(read(next, QAccessible::Description), verdict + ' ' + score);
        QCOMPARE(read(control("lblScore1"), QAccessible::Name),
                 QStringLiteral("Risposte errate: %1").arg(wrong));

        QTest::keyClick(next, Qt::Key_Return); // the next problem
    }
    checkQuestionIsRead();
}

void TestAccessibility::headingsAreReadOnceAndPicturesAreNamed()
{
    m_random = std::make_unique<quiz::MixingRandomSource>(5);
    m_tavola = std::make_unique<ui::Tavola>(m_clock, *m_random, m_platform);
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));

    for (const char *heading : {"Label6", "Label1", "Label3"}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control(heading));
        QVERIFY2(iface && iface->state().invisible, heading);
    }
    for (const char *counter : {"lblScore", "lblScore1", "lblScore2"}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control(counter));
        QVERIFY2(iface && !iface->state().invisible, counter);
    }
    for (const char *picture : {"Image4", "Image1", "Picture3", "Panel4"})
        QVERIFY2(!read(control(picture), QAccessible::Name).isEmpty(), picture);

    // The clock reads as it shows.
    m_clock.now = QTime(11, 22, 33);
    m_tavola->Timer1_Timer();
    auto *clock = control<QLabel>("lblTime");
    QVERIFY(!clock->text().isEmpty());
    QCOMPARE(read(clock, QAccessible::Name), clock->text());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestAccessibility test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessibility.moc"
