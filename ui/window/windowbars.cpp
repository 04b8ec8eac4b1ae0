// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/windowbars.h"

#include "ui/access/accessibletexts.h"
#include "ui/sheet/artwork.h"
#include "ui/sheet/sheetdesign.h"
#include "ui/sheet/twips.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <array>

namespace ui {
namespace {

constexpr int statusBarHeightTwips = 615;
constexpr double statusFontPoints = 13.5;
// The status bar's illustration leaves room for the panel's sunken frame.
constexpr int illustrationMargin = 6;
constexpr int illustrationHeight = 146;

QAction *named(QAction *action, const char *name)
{
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

QMenuBar *createMenuBar(DesignedMenus &menus)
{
    auto *bar = new QMenuBar;
    QMenu *school = bar->addMenu(QStringLiteral("Solvetra"));
    school->setObjectName(QStringLiteral("scuola"));
    menus.scuola = named(school->menuAction(), "scuola");
    menus.software =
        named(school->addAction(QStringLiteral("Esercizi sui teoremi del triangolo rettangolo")),
              "software");

    QMenu *credits = bar->addMenu(QStringLiteral("Crediti"));
    credits->setObjectName(QStringLiteral("Ciao_1"));
    menus.Ciao_1 = named(credits->menuAction(), "Ciao_1");
    menus.gim = named(
        credits->addAction(QStringLiteral("Solvetra 1.0: primo e secondo teorema di Euclide")),
        "gim");
    menus.Tmer_2 = named(
        credits->addAction(QStringLiteral("Per allievi e insegnanti della scuola")), "Tmer_2");
    menus.pop = named(credits->addAction(QStringLiteral(
                          "Software libero: licenza GNU GPL, versione 3 o successiva")),
                      "pop");

    menus.calc = named(bar->addAction(QStringLiteral("Calcolatrice")), "calc");
    menus.newGame = named(bar->addAction(QStringLiteral("Nuovo gioco")), "new");
    return bar;
}

void addMenuBarKey(QMainWindow *window)
{
    auto *open = new QAction(window);
    open->setObjectName(QStringLiteral("openMenuBar"));
    open->setShortcut(QKeySequence(Qt::Key_F10));
    window->addAction(open);
    // The bar is rebuilt at each restart: look it up when the key is pressed.
    QObject::connect(open, &QAction::triggered, window, [window] {
        QMenuBar *bar = window->menuBar();
        if (!bar->actions().isEmpty())
            bar->setActiveAction(bar->actions().constFirst());
    });
}

QStatusBar *createStatusBar(qreal devicePixelRatio)
{
    auto *bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar1"));
    QFont font(QString::fromLatin1(sheetFont.family));
    font.setPointSizeF(statusFontPoints);
    font.setBold(true);
    bar->setFont(font);
    bar->setFixedHeight(twips::toPixels(statusBarHeightTwips));
    bar->setSizeGripEnabled(false);

    struct Panel
    {
        const char *text;
        int widthTwips;
        int minimumTwips;
    };
    const std::array<Panel, 4> panels{{{"Solvetra", 4910, 1550},
                                       {"Solvetra", 4800, 1440},
                                       {"Record di", 1590, 1440},
                                       {"", 1440, 1440}}};
    QLabel *panel = nullptr;
    for (size_t i = 0; i < panels.size(); ++i) {
        panel = new QLabel(QString::fromUtf8(panels[i].text), bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setToolTip(panel->text());
        // The designed width, shrinking to the minimum on a small screen.
        const int width = twips::toPixels(panels[i].widthTwips);
        panel->setMinimumWidth(twips::toPixels(panels[i].minimumTwips));
        panel->setMaximumWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel, width);
    }
    // The last panel, which has no text, carries the illustration.
    panel->setAlignment(Qt::AlignCenter);
    panel->setAccessibleName(accessible::illustrationName);
    panel->setPixmap(
        artwork::picture(QStringLiteral("sage"), devicePixelRatio,
                         double(bar->height() - illustrationMargin) / illustrationHeight));
    return bar;
}

} // namespace ui
