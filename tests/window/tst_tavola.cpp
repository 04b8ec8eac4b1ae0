// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/modalboxes.h"
#include "support/tavolafixture.h"
#include "support/windowtests.h"
#include "ui/sheet/picturebutton.h"
#include "ui/window/appsetup.h"
#include "ui/window/tavola.h"

#include <QClipboard>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

using windowtests::hiddenLabelOf;
using windowtests::valueLabels;

namespace {

using quiz::Length;

// The figure's vertices, read from the segments the sheet draws: BH and HC
// along the base, AH from A down to the foot H.
struct Figure
{
    QPointF a, b, c, h;

    QLineF segment(Length which) const
    {
        switch (which) {
        case Length::ProjBH:
            return {b, h};
        case Length::ProjHC:
            return {h, c};
        case Length::LegAB:
            return {a, b};
        case Length::LegAC:
            return {a, c};
        case Length::HypBC:
            return {b, c};
        case Length::HeightAH:
            break;
        }
        return {a, h};
    }
};

// Which side of the segment's line a point lies on: the sign of the cross product.
double sideOf(const QLineF &line, QPointF p)
{
    const QPointF d = line.p2() - line.p1();
    const QPointF v = p - line.p1();
    return d.x() * v.y() - d.y() * v.x();
}

double distanceToLine(const QLineF &line, QPointF p)
{
    return std::abs(sideOf(line, p)) / line.length();
}

// Where p falls along the segment: 0 at its first end, 1 at its second.
double alongSegment(const QLineF &line, QPointF p)
{
    const QPointF d = line.p2() - line.p1();
    const QPointF v = p - line.p1();
    return (d.x() * v.x() + d.y() * v.y()) / (line.length() * line.length());
}

QList<QPointF> cornersOf(const QRectF &r)
{
    return {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
}

// The window's size at each paint of the sheet, and the sheet's layouts (each
// scale gives the sheet its font).
class SheetWatch : public QObject
{
public:
    explicit SheetWatch(const QWidget *window) : m_window(window) {}
    QList<QSize> paintedAt;
    int layouts = 0;
    int barPaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched->objectName() == QLatin1String("StatusBar1") && event->type() == QEvent::Paint)
            ++barPaints;
        if (watched->objectName() == QLatin1String("sheet")) {
            if (event->type() == QEvent::Paint)
                paintedAt << m_window->size();
            else if (event->type() == QEvent::FontChange)
                ++layouts;
        }
        return false;
    }

private:
    const QWidget *m_window;
};

} // namespace

class TestTavola : public QObject, private TavolaFixture
{
    Q_OBJECT

private slots:
    void init() { makeWindow(); }
    void cleanup() { dropWindow(); }

    void designedStateBeforeAnyHandler();
    void valueLabelLiesBesideItsSegment_data();
    void valueLabelLiesBesideItsSegment();
    void topRowReadsLeftToRight();
    void counterLiesUnderItsHeading_data();
    void counterLiesUnderItsHeading();
    void designedTexts_data();
    void designedTexts();
    void fontsMapToLiberation_data();
    void fontsMapToLiberation();
    void figureDrawsInDesignedOrder();
    void menusAndStatusBar();
    void opensMaximisedAtOnce();

private:
    Figure figure() const;
};

void TestTavola::designedStateBeforeAnyHandler()
{
    m_tavola->load();
    QCOMPARE(answerBox()->text(), "0");
    for (const char *score : {"lblScore", "lblScore1", "lblScore2"})
        QCOMPARE(label(score)->text(), "0");
    for (const QString &name : valueLabels + QStringList{"lblMessage", "Label5", "lblTime"})
        QVERIFY2(label(name)->text().isEmpty(), qPrintable(name));
    QVERIFY(!control("cmdNext")->isEnabled());
    QVERIFY(control("cmdExit")->isEnabled());
    QCOMPARE(m_tavola->windowTitle(), windowtests::designedCaption);
    QCOMPARE(m_tavola->centralWidget()->palette().color(QPalette::Window), QColor("#FFFFC0"));
    QVERIFY(!m_tavola->centralWidget()->cursor().pixmap().isNull());
}

Figure TestTavola::figure() const
{
    const QRectF bh = control("Shape8")->geometry();
    const QRectF hc = control("Shape7")->geometry();
    const QRectF ah = control("Shape6")->geometry();
    const double base = (bh.center().y() + hc.center().y()) / 2;
    return {QPointF(ah.center().x(), ah.top()), QPointF(bh.left(), base), QPointF(hc.right(), base),
            QPointF(ah.center().x(), base)};
}

void TestTavola::valueLabelLiesBesideItsSegment_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<char>("reference"); // a vertex off the segment
    QTest::addColumn<bool>("sameSide");  // the label on the reference's side

    QTest::newRow("AB outside the triangle") << "lblcat1" << int(Length::LegAB) << 'C' << false;
    QTest::newRow("AC outside the triangle") << "Lblcat2" << int(Length::LegAC) << 'B' << false;
    QTest::newRow("AH towards C") << "Lblalt" << int(Length::HeightAH) << 'C' << true;
    QTest::newRow("BH under the base") << "Lblpro1" << int(Length::ProjBH) << 'A' << false;
    QTest::newRow("HC under the base") << "Lblpro2" << int(Length::ProjHC) << 'A' << false;
    QTest::newRow("BC under the base") << "lblipoeu" << int(Length::HypBC) << 'A' << false;
}

void TestTavola::valueLabelLiesBesideItsSegment()
{
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(char, reference);
    QFETCH(bool, sameSide);
    startWith(std::make_unique<quiz::MixingRandomSource>(7)); // texts of a real problem
    const Figure f = figure();
    const QPointF vertex = reference == 'A' ? f.a : reference == 'B' ? f.b : f.c;
    const QLineF segment = f.segment(Length(length));
    const QRectF rect = control(name)->geometry();
    QVERIFY(!label(name)->text().isEmpty());

    // Wholly on the designed side: the segment never runs through its text.
    const bool referenceSide = sideOf(segment, vertex) > 0;
    double nearest = std::numeric_limits<double>::max();
    for (const QPointF corner : cornersOf(rect)) {
        QCOMPARE(sideOf(segment, corner) > 0, referenceSide == sameSide);
        nearest = std::min(nearest, distanceToLine(segment, corner));
    }
    // Beside it: within about a line and a half of its own text (the
    // hypotenuse's value stands under the projections' values).
    QVERIFY2(nearest <= 1.6 * rect.height(),
             qPrintable(QStringLiteral("%1 px from its segment").arg(nearest)));
    const double along = alongSegment(segment, rect.center());
    QVERIFY2(along > 0 && along < 1, // not past either end
             qPrintable(QStringLiteral("at %1 along").arg(along)));
}

void TestTavola::topRowReadsLeftToRight()
{
    startWith(std::make_unique<quiz::MixingRandomSource>(7));
    const QStringList row{"Label5", "Label4", "txtAnswer", "Text1"};
    for (qsizetype i = 1; i < row.size(); ++i) {
        const QRect before = control(row[i - 1])->geometry();
        const QRect next = control(row[i])->geometry();
        // The box and its unit touch, as designed; none reaches past the next one's middle.
        QVERIFY2(before.left() < next.left() && before.right() < next.center().x(),
                 qPrintable(QStringLiteral("%1 runs into %2").arg(row[i - 1], row[i])));
        // One row: each overlaps the next in height.
        QVERIFY(before.top() < next.bottom() && next.top() < before.bottom());
    }
}

void TestTavola::counterLiesUnderItsHeading_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("headingText");
    QTest::newRow("right answers") << "lblScore"
                                   << "Label6"
                                   << "Risposte esatte";
    QTest::newRow("wrong answers") << "lblScore1"
                                   << "Label1"
                                   << "Risposte errate";
    QTest::newRow("all answers") << "lblScore2"
                                 << "Label3"
                                 << "Risposte totali";
}

void TestTavola::counterLiesUnderItsHeading()
{
    QFETCH(QString, counter);
    QFETCH(QString, heading);
    QFETCH(QString, headingText);
    startWith(std::make_unique<quiz::MixingRandomSource>(7));
    QCOMPARE(label(heading)->text(), headingText);
    const QRect above = control(heading)->geometry();
    const QRect below = control(counter)->geometry();
    QVERIFY(below.top() >= above.bottom());
    QVERIFY(below.left() >= above.left() && below.right() <= above.right());
    // Nearer its own heading than any other.
    for (const QString &other :
         {QStringLiteral("Label6"), QStringLiteral("Label1"), QStringLiteral("Label3")})
        if (other != heading)
            QVERIFY(std::abs(control(other)->geometry().center().x() - below.center().x()) >
                    std::abs(above.center().x() - below.center().x()));
}

void TestTavola::designedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("right heading") << "Label6"
                                   << "Risposte esatte"
                                   << "" << QColor("#00C000");
    QTest::newRow("wrong heading") << "Label1"
                                   << "Risposte errate"
                                   << "" << QColor("#FF0000");
    QTest::newRow("total heading") << "Label3"
                                   << "Risposte totali"
                                   << "" << QColor("#0000FF");
    QTest::newRow("right score") << "lblScore"
                                 << "0"
                                 << "Questo è il tuo punteggio. Forza con il  record" << QColor();
    QTest::newRow("wrong score") << "lblScore1"
                                 << "0"
                                 << "" << QColor("#FF0000");
    QTest::newRow("total score") << "lblScore2"
                                 << "0"
                                 << "" << QColor("#0000FF");
    QTest::newRow("equals") << "Label4"
                            << "="
                            << "" << QColor();
    QTest::newRow("message") << "lblMessage"
                             << ""
                             << "" << QColor("#FF00FF");
    QTest::newRow("clock") << "lblTime"
                           << ""
                           << "Clicca sotto di me per attivare il Timer" << QColor();
    QTest::newRow("stopwatch") << "Image1"
                               << ""
                               << "Clicca sotto di me per impostare il Timer" << QColor();
    QTest::newRow("unit label 0") << "Label2_0"
                                  << "cm"
                                  << "" << QColor();
}

void TestTavola::designedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(QColor, colour);
    m_tavola->load();
    QLabel *shown = label(name);
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->toolTip(), toolTip);
    if (colour.isValid())
        QCOMPARE(shown->palette().color(QPalette::WindowText), colour);
}

void TestTavola::fontsMapToLiberation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    QTest::newRow("answer box, Arial 36 bold") << "txtAnswer"
                                               << "Liberation Sans" << 36.0 << true;
    QTest::newRow("score, Times New Roman 36 bold") << "lblScore"
                                                    << "Liberation Serif" << 36.0 << true;
    QTest::newRow("heading, MS Sans Serif 18") << "Label6"
                                               << "Liberation Sans" << 18.0 << false;
    QTest::newRow("value label, window font") << "Lblalt"
                                              << "Liberation Sans" << 18.0 << true;
    QTest::newRow("clock, 12 bold") << "lblTime"
                                    << "Liberation Sans" << 12.0 << true;
    QTest::newRow("button caption, 8.25 bold") << "cmdNext"
                                               << "Liberation Sans" << 8.25 << true;
}

void TestTavola::fontsMapToLiberation()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    m_tavola->load();
    const QFont font = control(name)->font();
    QCOMPARE(QFontInfo(font).family(), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
}

void TestTavola::figureDrawsInDesignedOrder()
{
    m_tavola->load();
    const QObjectList order = m_tavola->centralWidget()->children(); // back to front
    const auto place = [&](const char *name) { return order.indexOf(control(name)); };
    QVERIFY(place("Label2_0") < place("Shape5"));
    QVERIFY(place("Label2_2") < place("Shape5"));
    QVERIFY(place("Shape5") < place("Label2_1"));
    QVERIFY(place("Label2_1") < place("Image4"));
    for (const QString &name : valueLabels) {
        QVERIFY(place("Image4") < place(qPrintable(name)));
        QVERIFY(place(qPrintable(name)) < place("Shape7"));
    }
    QVERIFY(place("Shape7") < place("Line5"));
    QVERIFY(place("Line5") < place("Shape6"));
    for (const char *windowed : {"cmdExit", "cmdNext", "txtAnswer", "Picture3", "Text1"})
        QVERIFY(place("Shape6") < place(windowed));
}

void TestTavola::menusAndStatusBar()
{
    m_tavola->load();
    QMenuBar *bar = m_tavola->menuBar();
    QStringList entries;
    for (QAction *entry : bar->actions())
        entries << entry->objectName();
    // The four designed menus, then the exercises.
    QCOMPARE(entries, (QStringList{"scuola", "Ciao_1", "calc", "new", "esercizi"}));
    QCOMPARE(bar->findChild<QAction *>("calc")->text(), "Calcolatrice");
    QCOMPARE(bar->findChild<QAction *>("new")->text(), "Nuovo gioco");
    for (const char *credit : {"software", "gim", "Tmer_2", "pop"}) {
        const QAction *line = bar->findChild<QAction *>(credit);
        QVERIFY2(line && !line->text().isEmpty(), credit);
        QVERIFY(!line->text().contains(u'@')); // no invented addresses
    }

    m_tavola->show(); // the panels are laid out with the window
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    QStatusBar *status = control<QStatusBar>("StatusBar1");
    QCOMPARE(status->height(), 41);
    const QStringList texts{"Solvetra", "Solvetra", "Record di", ""};
    const QList<int> widths{4910, 4800, 1590, 1440};
    for (int i = 0; i < 4; ++i) {
        const QLabel *panel = status->findChild<QLabel *>(QStringLiteral("Panel%1").arg(i + 1));
        QCOMPARE(panel->text(), texts[i]);
        QCOMPARE(panel->toolTip(), texts[i]);
        QCOMPARE(panel->width(), qRound(widths[i] / 15.0));
    }
    QVERIFY(!status->findChild<QLabel *>("Panel4")->pixmap().isNull());
}

// The program's own set-up: font substitutes, Qt's Italian texts.
// The first paint is already the maximised window: no paint at the normal
// size, and the sheet laid out once (the offscreen screen is smaller than the
// normal size, so a layout at that size would be a second one).
void TestTavola::opensMaximisedAtOnce()
{
    SheetWatch watch(m_tavola.get());
    qApp->installEventFilter(&watch);
    m_tavola->start();
    QVERIFY(QTest::qWaitForWindowExposed(m_tavola.get()));
    QTRY_VERIFY(!watch.paintedAt.isEmpty());
    // The icon follows the first paint; then whatever is still queued.
    QTRY_VERIFY(!m_tavola->windowIcon().isNull());
    QCoreApplication::sendPostedEvents();
    qApp->removeEventFilter(&watch);
    QVERIFY(m_tavola->isMaximized());
    for (const QSize &size : watch.paintedAt)
        QCOMPARE(size, m_tavola->size());
    QCOMPARE(watch.layouts, 1);
    // Nothing of the bars is drawn again right after the first paint.
    QCOMPARE(watch.barPaints, 1);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::prepareApplication(app);
    TestTavola test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tavola.moc"
