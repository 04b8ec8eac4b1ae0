// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheetbuilder.h"

#include "format/displaylocale.h"

#include "ui/sheet/answervalidator.h"
#include "ui/sheet/artwork.h"
#include "ui/sheet/designlabel.h"
#include "ui/sheet/figureitems.h"
#include "ui/sheet/picturebutton.h"
#include "ui/sheet/sheetdesign.h"
#include "ui/sheet/twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <type_traits>

namespace ui {
namespace {

constexpr int clockTickMs = 500;
constexpr int answerMaxLength = 6;

// The design's texts are marked for translation in the window's context.
QString designText(const char *text)
{
    return QCoreApplication::translate("Tavola", text);
}

QFont fontOf(const FontDesign &design, double scale)
{
    QFont font{installedFamily(design.family)};
    font.setPointSizeF(design.points * scale);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    // The sheet's texts are Latin, which each face covers: without merging,
    // no fallback faces are looked up for them.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

int scaled(int twips, double scale)
{
    return qRound(twips * scale / twips::perPixel);
}

QRect rectOf(const ControlDesign &design, double scale)
{
    const auto &[left, top, width, height] = design.place;
    return QRect(scaled(left, scale), scaled(top, scale), scaled(width, scale),
                 scaled(height, scale));
}

// Unrounded, for the thin segments of the figure.
QRectF shapeOf(const ControlDesign &design, double scale)
{
    const auto &[left, top, width, height] = design.place;
    const double k = scale / twips::perPixel;
    return QRectF(left * k, top * k, width * k, height * k);
}

DesignLabel::Sizing sizingOf(ControlKind kind)
{
    if (kind == ControlKind::SizedLabel)
        return DesignLabel::SizeToText;
    return kind == ControlKind::FittedLabel ? DesignLabel::FitText : DesignLabel::FixedSize;
}

bool isLabel(ControlKind kind)
{
    return kind == ControlKind::FixedLabel || kind == ControlKind::SizedLabel ||
           kind == ControlKind::FittedLabel;
}

QWidget *createLabel(const ControlDesign &design, const QString &name, QWidget *sheet)
{
    auto *label = new DesignLabel(name, QRect(), sizingOf(design.kind), sheet);
    if (design.fore != noColour)
        label->setTextColour(QColor::fromRgb(design.fore));
    if (design.line > 0)
        label->setSingleBorder();
    label->setText(designText(design.caption));
    return label;
}

QWidget *createTextBox(const ControlDesign &design, const QString &name, QWidget *sheet)
{
    auto *box = new QLineEdit(designText(design.caption), sheet);
    box->setObjectName(name);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(design.back));
    palette.setColor(QPalette::Text, QColor::fromRgb(design.fore));
    box->setPalette(palette);
    return box;
}

// Its picture is set with the scale.
QWidget *createPicture(const QString &name, QWidget *sheet)
{
    auto *picture = new QLabel(sheet);
    picture->setObjectName(name);
    return picture;
}

QColor foreOf(const ControlDesign &design, const QWidget *sheet)
{
    return design.fore == noColour ? sheet->palette().color(QPalette::WindowText)
                                   : QColor::fromRgb(design.fore);
}

// Each control is created as the kind its slot holds.
void fillSlot(SheetControls &controls, const ControlSlot &slot, QWidget *control)
{
    std::visit(
        [&controls, control](const auto &where) {
            using Where = std::decay_t<decltype(where)>;
            if constexpr (std::is_same_v<Where, LengthSlot>)
                controls.lengths[size_t(where.which)] = static_cast<DesignLabel *>(control);
            else if constexpr (std::is_same_v<Where, UnitSlot>)
                controls.Label2[size_t(where.index)] = static_cast<DesignLabel *>(control);
            else if constexpr (!std::is_same_v<Where, std::monostate>)
                controls.*where =
                    static_cast<std::remove_reference_t<decltype(controls.*where)>>(control);
        },
        slot);
}

} // namespace

QString installedFamily(const char *family)
{
    // Not hasFamily(), which asks fontconfig for aliases each time.
    static const QStringList installed = QFontDatabase::families();
    const QString named = QString::fromLatin1(family);
    return installed.contains(named, Qt::CaseInsensitive) ? named : QFont::substitute(named);
}

SheetControls SheetBuilder::build()
{
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("sheet"));
    sheet->setAutoFillBackground(true);
    QPalette palette = sheet->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(sheetColour));
    sheet->setPalette(palette);
    sheet->setCursor(artwork::pointer(sheet->devicePixelRatio()));
    m_sheet = sheet;

    SheetControls controls;
    controls.sheet = sheet;
    m_controls.clear();
    for (const ControlDesign &design : sheetDesign()) {
        QWidget *control = create(design, sheet);
        m_controls.push_back(control);
        fillSlot(controls, design.slot, control);
    }
    m_scale = 0;
    setTabOrder();
    setBehaviour(controls);
    return controls;
}

QWidget *SheetBuilder::create(const ControlDesign &design, QWidget *sheet)
{
    const QString name = QString::fromLatin1(design.name);
    QWidget *control = nullptr;
    switch (design.kind) {
    case ControlKind::FixedLabel:
    case ControlKind::SizedLabel:
    case ControlKind::FittedLabel:
        control = createLabel(design, name, sheet);
        break;
    case ControlKind::Picture:
    case ControlKind::Icon:
        control = createPicture(name, sheet);
        break;
    case ControlKind::TextBox:
        control = createTextBox(design, name, sheet);
        break;
    case ControlKind::Button:
        control = new PictureButton(name, designText(design.caption), QColor::fromRgb(design.back),
                                    sheet);
        break;
    case ControlKind::SolidRect:
    case ControlKind::OutlineRect:
        control = new RectItem(name, {}, foreOf(design, sheet),
                               design.kind == ControlKind::SolidRect ? RectItem::Solid
                                                                     : RectItem::Outline,
                               design.line, sheet);
        break;
    case ControlKind::Line:
        control = new LineItem(name, {}, {}, foreOf(design, sheet), design.line, sheet);
        break;
    }
    if (auto *label = qobject_cast<QLabel *>(control); label && design.alignment)
        label->setAlignment(design.alignment);
    else if (auto *box = qobject_cast<QLineEdit *>(control); box && design.alignment)
        box->setAlignment(design.alignment);
    if (*design.toolTip)
        control->setToolTip(designText(design.toolTip));
    if (design.pointingHand)
        control->setCursor(Qt::PointingHandCursor);
    return control;
}

void SheetBuilder::applyScale(double scale)
{
    if (!m_sheet)
        return;
    m_scale = scale;
    m_sheet->setFont(fontOf(sheetFont, scale));
    const auto designs = sheetDesign();
    for (size_t i = 0; i < designs.size(); ++i)
        place(designs[i], m_controls[i], scale);
}

void SheetBuilder::place(const ControlDesign &design, QWidget *control, double scale)
{
    const double k = scale / twips::perPixel;
    const auto &[x1, y1, x2, y2] = design.place;
    const qreal ratio = m_sheet->devicePixelRatio();
    const auto picture = [ratio, scale](const char *name) {
        return artwork::picture(QString::fromLatin1(name), ratio, scale);
    };
    switch (design.kind) {
    case ControlKind::Line:
        static_cast<LineItem *>(control)->setPenWidth(design.line * scale);
        static_cast<LineItem *>(control)->setEnds(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k));
        return;
    case ControlKind::SolidRect:
    case ControlKind::OutlineRect:
        static_cast<RectItem *>(control)->setPenWidth(design.line * scale);
        static_cast<RectItem *>(control)->setShape(shapeOf(design, scale));
        return;
    case ControlKind::Picture:
    case ControlKind::Icon:
        static_cast<QLabel *>(control)->setPixmap(picture(design.caption));
        break;
    case ControlKind::Button: {
        const auto &[normal, pressed, disabled] = design.pictures;
        static_cast<PictureButton *>(control)->setPictures(picture(normal), picture(pressed),
                                                           picture(disabled));
        break;
    }
    default:
        break;
    }
    control->setGeometry(rectOf(design, scale));
    if (design.font.family) {
        if (design.kind == ControlKind::FittedLabel)
            static_cast<DesignLabel *>(control)->setDesignFont(fontOf(design.font, scale));
        else
            control->setFont(fontOf(design.font, scale));
    }
    if (isLabel(design.kind)) {
        auto *label = static_cast<DesignLabel *>(control);
        if (design.line > 0)
            label->setLineWidth(std::max(1, qRound(design.line * scale)));
        // A label that follows its caption takes the size of its caption again.
        if (!label->text().isEmpty())
            label->setCaption(label->text());
    }
}

QSize SheetBuilder::designedSize()
{
    QRect extent;
    for (const ControlDesign &design : sheetDesign()) {
        if (design.kind == ControlKind::Line) {
            const auto &[x1, y1, x2, y2] = design.place;
            extent |= QRect(QPoint(), twips::rect(0, 0, std::max(x1, x2), std::max(y1, y2)).size());
        } else {
            extent |= rectOf(design, 1.0);
        }
    }
    // What lies above or left of the client area is clipped there.
    return QSize(extent.right() + 1, extent.bottom() + 1);
}

void SheetBuilder::setBehaviour(SheetControls &w) const
{
    // A click leaves the focus where it was; Tab still reaches the button.
    w.cmdExit->setFocusPolicy(Qt::TabFocus);
    w.cmdExit->setAutoDefault(true);
    // The default button: Enter anywhere in the window clicks it while it is
    // enabled, that is once a verdict is given.
    w.cmdNext->setDefault(true);
    w.cmdNext->setAutoDefault(true);
    w.cmdNext->setEnabled(false);

    // Typed and pasted text alike: digits and the language's decimal separator only.
    w.txtAnswer->setMaxLength(answerMaxLength);
    w.txtAnswer->setValidator(
        new AnswerValidator(format::DisplayLocale::current().decimalSeparator, w.txtAnswer));

    w.Timer1 = new QTimer(w.sheet);
    w.Timer1->setObjectName(QStringLiteral("Timer1"));
    w.Timer1->setInterval(clockTickMs);
}

void SheetBuilder::setTabOrder() const
{
    std::vector<std::pair<int, QWidget *>> chain;
    const auto designs = sheetDesign();
    for (size_t i = 0; i < designs.size(); ++i)
        if (designs[i].tabIndex >= 0)
            chain.emplace_back(designs[i].tabIndex, m_controls[i]);
    std::sort(chain.begin(), chain.end());
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
}

} // namespace ui
