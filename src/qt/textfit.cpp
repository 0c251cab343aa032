#include "qt/textfit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>

#include "qt/controlwidget.h"

namespace ondalab::qt {

namespace {

bool onlyPunctuation(const QString& line) {
    const QString t = line.trimmed();
    if (t.isEmpty()) return false;
    for (const QChar ch : t)
        if (!ch.isPunct() && !ch.isSymbol() && !ch.isSpace()) return false;
    return true;
}

// The lines a wrapped caption takes in `width`, as QPainter lays them out.
QString wrappedMisfit(const QString& text, const QFont& font, const QWidget* w, const QRect& box, int flags) {
    const QFontMetrics fm(font, w);
    const QRect needed = fm.boundingRect(box, flags, text);
    if (needed.height() > box.height())
        return QStringLiteral("needs %1 px of height, has %2").arg(needed.height()).arg(box.height());
    QTextLayout layout(text, font, const_cast<QWidget*>(w));
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        const QString part = text.mid(line.textStart(), line.textLength());
        if (line.naturalTextWidth() > box.width() + 0.5)
            return QStringLiteral("\"%1\" is wider than %2 px").arg(part.trimmed()).arg(box.width());
        if (onlyPunctuation(part)) return QStringLiteral("\"%1\" alone on a line").arg(part.trimmed());
    }
    layout.endLayout();
    return {};
}

QString lineMisfit(const QString& text, const QFont& font, const QWidget* w, const QRect& box) {
    const QFontMetrics fm(font, w);
    const int width = fm.horizontalAdvance(text);
    if (width > box.width())
        return QStringLiteral("needs %1 px of width, has %2").arg(width).arg(box.width());
    if (fm.height() > box.height())
        return QStringLiteral("needs %1 px of height, has %2").arg(fm.height()).arg(box.height());
    return {};
}

// Where a label lays out its text: inside its frame and, beside a frame,
// indented by half an "x" on the sides it is aligned to.
QRect labelBox(const QLabel* label, const QFont& font) {
    QRect r =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? QFontMetrics(font, label).horizontalAdvance(u'x') / 2 : 0;
    const Qt::Alignment a = label->alignment();
    if (a & Qt::AlignLeft) r.setLeft(r.left() + indent);
    if (a & Qt::AlignRight) r.setRight(r.right() - indent);
    if (a & Qt::AlignTop) r.setTop(r.top() + indent);
    if (a & Qt::AlignBottom) r.setBottom(r.bottom() - indent);
    return r;
}

QRect buttonBox(const QAbstractButton* b, const QFont& font, QStyle::SubElement element) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.fontMetrics = QFontMetrics(font, b);
    opt.text = b->text();
    opt.rect = b->rect();
    return b->style()->subElementRect(element, &opt, b);
}

}  // namespace

QString misfit(const QWidget* w, const QFont& font) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty()) return {};
        const QRect box = labelBox(label, font);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return wrappedMisfit(label->text(), font, w, box, flags);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        const QString title = withoutAccessKeys(box->title());
        if (title.isEmpty()) return {};
        return lineMisfit(title, font, w, box->rect().adjusted(8, 0, -8, 0));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const QString text = withoutAccessKeys(button->text());
        if (text.isEmpty()) return {};
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QRadioButton*>(w)) element = QStyle::SE_RadioButtonContents;
        return lineMisfit(text, font, w, buttonBox(button, font, element));
    }
    return {};
}

bool fitFont(QWidget* w, const QFont& designed) {
    QFont font = designed;
    const double points = designed.pointSizeF();
    constexpr double kStep = 0.25, kSmallest = 0.6;
    while (!misfit(w, font).isEmpty() && font.pointSizeF() - kStep >= points * kSmallest)
        font.setPointSizeF(font.pointSizeF() - kStep);
    if (!misfit(w, font).isEmpty()) font = designed;  // nothing fits: the type as designed
    if (w->font() != font) w->setFont(font);
    return font != designed;
}

}  // namespace ondalab::qt
