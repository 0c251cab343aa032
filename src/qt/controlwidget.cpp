#include "qt/controlwidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "common/catalogue.h"
#include "common/keyboard.h"
#include "common/readback.h"
#include "qt/clicklabel.h"
#include "qt/language.h"
#include "qt/palette.h"
#include "qt/textfit.h"

namespace ondalab::qt {

namespace {

// A text box holds as many characters as the model's text does (Qt's own
// limit is 32767).
constexpr int kLongestText = std::numeric_limits<int>::max();

// An option answers a click anywhere in its rectangle, not only on its
// indicator and caption.
class WholeRectRadio : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

namespace {

constexpr QRgb kFlagAmber = 0xFFB000;

QString str(const std::string& s) { return QString::fromStdString(s); }

Qt::Alignment alignmentOf(Align a) {
    switch (a) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

void applyText(QWidget* w, const Control& c) {
    const QString text = str(c.text());
    if (auto* page = qobject_cast<QTextBrowser*>(w)) {
        // Rendered by Qt's own Markdown support; the source stays at hand
        // for what the page is seen to hold.
        if (page->property("markdown").toString() != text) {
            page->setMarkdown(text);
            page->setProperty("markdown", text);
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        // A label has no access key of its own: it shows the text as seen.
        label->setText(str(c.seenText()));
        label->setAlignment(alignmentOf(c.spec().align) | Qt::AlignTop);
        label->setFrameStyle(c.spec().border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // Rewriting an equal text would move the user's cursor to the end.
        if (edit->text() != text) edit->setText(text);
        edit->setAlignment(alignmentOf(c.spec().align) | Qt::AlignVCenter);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList items;
        for (const auto& item : c.items()) items << str(item);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        if (shown != items) {
            combo->clear();
            combo->addItems(items);
        }
        if (combo->currentText() != text) combo->setEditText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        box->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // Qt reads "&" as the access key, as the model does; the window hands
        // Alt+letter to the model first, the button's shortcut stays for the rest.
        button->setText(text);
        if (button->isCheckable()) button->setChecked(c.checked());
    }
}

// The flag's marker: an amber warning triangle with a dark edge and "!",
// drawn large so it stays sharp at 2x; it reads on light and dark fields.
QIcon flagIcon() {
    constexpr int size = 64;
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(size / 2.0, 4);
    triangle.lineTo(size - 4, size - 6);
    triangle.lineTo(4, size - 6);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x28, 0x00), 4));
    p.setBrush(QColor(kFlagAmber));
    p.drawPath(triangle);
    p.setPen(QPen(QColor(0x20, 0x14, 0x00), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size / 2.0, 22), QPointF(size / 2.0, 40));
    p.drawPoint(QPointF(size / 2.0, 50));
    p.end();
    return QIcon(pix);
}

// A flagged text box: an amber tint over the field's own colour (light on a
// light palette, dark on a dark one, so its text stays readable) and the marker.
void showFlag(QLineEdit* edit, bool flagged) {
    auto* marker = edit->findChild<QAction*>(QStringLiteral("flagMarker"));
    if (!marker && !flagged) return;
    if (!marker) {
        marker = edit->addAction(flagIcon(), QLineEdit::TrailingPosition);
        marker->setObjectName(QStringLiteral("flagMarker"));
        marker->setToolTip(uiText(TR("ondalab", "parte del testo non è letta come numero")));
    }
    marker->setVisible(flagged);
    edit->setProperty("flagged", flagged);
    const QWidget* field = edit->parentWidget();  // the window: the palette in use
    const QColor base = (field ? field->palette() : QApplication::palette(edit)).color(QPalette::Base);
    const QColor amber(kFlagAmber);
    constexpr double tint = 0.35;
    const auto mix = [&](int a, int b) { return static_cast<int>(a + (b - a) * tint); };
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, flagged
                                     ? QColor(mix(base.red(), amber.red()), mix(base.green(), amber.green()),
                                              mix(base.blue(), amber.blue()))
                                     : base);
    edit->setPalette(pal);
}

}  // namespace

bool isPainted(ControlKind kind) {
    return kind == ControlKind::Image || kind == ControlKind::Line || kind == ControlKind::Shape;
}

QWidget* createWidget(const Control& c, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind()) {
        case ControlKind::Label: {
            auto* label = new ClickLabel(parent);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setAutoFillBackground(false);  // the form's drawing shows through
            // Results can be selected and copied; the form's menu stands for the label's.
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            label->setContextMenuPolicy(Qt::NoContextMenu);
            w = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(parent);
            edit->setMaxLength(kLongestText);
            w = edit;
            break;
        }
        case ControlKind::Button:
            w = new QPushButton(parent);
            break;
        case ControlKind::Option: {
            auto* option = new WholeRectRadio(parent);
            option->setAutoExclusive(false);  // the model clears the others of the group
            w = option;
            break;
        }
        case ControlKind::Frame:
            w = new QGroupBox(parent);
            break;
        case ControlKind::Combo: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            // Typing changes only the field: no completion from the list.
            combo->setCompleter(nullptr);
            combo->lineEdit()->setMaxLength(kLongestText);
            w = combo;
            break;
        }
        case ControlKind::Document: {
            auto* page = new QTextBrowser(parent);
            page->setOpenLinks(false);
            page->document()->setDocumentMargin(12);  // the text clear of the window's edge
            w = page;
            break;
        }
        case ControlKind::Image:
            if (!c.spec().clickable) return nullptr;
            w = new ClickPicture(parent);
            break;
        default:
            return nullptr;
    }
    // Clicks do not move the focus by themselves: the model moves it when
    // it accepts the click, and the view follows.
    const bool typed = c.kind() == ControlKind::TextBox || c.kind() == ControlKind::Combo ||
                       c.kind() == ControlKind::Document;
    if (c.kind() != ControlKind::Label)  // a label takes the focus a click gives it, to copy its selection
        w->setFocusPolicy(!c.focusable() ? Qt::NoFocus : typed ? Qt::StrongFocus : Qt::TabFocus);
    w->setObjectName(QString::fromStdString(c.name()));
    return w;
}

static bool isTabStop(const Control& c) {
    if (!c.focusable()) return false;
    if (c.kind() != ControlKind::Option) return true;
    const auto stops = focusStops(c.form());
    return std::find(stops.begin(), stops.end(), &c) != stops.end();
}

void applyState(QWidget* w, const Control& c, const TwipScale& s, QPoint origin, const QColor& fore) {
    const QSignalBlocker block(w);
    QWidget* inner = nullptr;  // the line edit of a combo box
    if (auto* combo = qobject_cast<QComboBox*>(w)) inner = combo->lineEdit();
    const QSignalBlocker blockInner(inner);

    applyText(w, c);
    w->setGeometry(s.pixels(c.rect()).translated(origin));
    // Disabled controls keep the palette's own greyed text.
    QPalette pal = w->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, foreRole(c.kind()), fore);
    w->setPalette(pal);
    fitFont(w, fontOf(c.spec().font, s.text()));
    w->setToolTip(QString::fromStdString(seenTooltip(c)));
    applyAccessibleName(w, c);
    w->setAccessibleDescription(QString::fromStdString(seenTooltip(c)));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) showFlag(edit, c.flagged());
    w->setEnabled(c.enabled());
    w->setVisible(c.visible());
}

QColor foreOf(const Control& c, const QPalette& pal, const std::vector<QColor>& beneath) {
    const QPalette::ColorRole role = foreRole(c.kind());
    // A stale result is greyed as a disabled caption is, yet kept legible.
    if (c.stale()) return readable(pal.color(QPalette::Disabled, role), beneath, kInkContrast);
    const QColor ink = c.fore() == colors::black ? pal.color(role) : colorOf(c.fore());
    switch (c.kind()) {
        case ControlKind::TextBox:
        case ControlKind::Combo:
        case ControlKind::Document:
            return readable(ink, {pal.color(QPalette::Base)}, kTextContrast);
        case ControlKind::Button:
            return readable(ink, {pal.color(QPalette::Button)}, kTextContrast);
        default:
            return readable(ink, beneath, kTextContrast);
    }
}

void applyAccessibleName(QWidget* w, const Control& c) {
    w->setAccessibleName(QString::fromStdString(accessibleName(c.form(), c)));
}

void applyTabStop(QWidget* w, const Control& c) {
    if (c.kind() == ControlKind::Option) w->setFocusPolicy(isTabStop(c) ? Qt::TabFocus : Qt::NoFocus);
}

QPalette::ColorRole foreRole(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::Combo:
        case ControlKind::Document:
            return QPalette::Text;
        case ControlKind::Button:
            return QPalette::ButtonText;
        default:
            return QPalette::WindowText;
    }
}

QFont fontOf(const Font& f, double scale) {
    // Liberation's faces are as wide as the narrow type the layouts were
    // drawn for; DejaVu, wider, stands in where they are missing.
    QFont font(f.serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setFamilies(
        {font.family(), f.serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans")});
    font.setPointSizeF((f.points > 0 ? f.points : 8) * scale);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

QColor colorOf(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

Rgb rgbOf(const QColor& c) {
    return (static_cast<Rgb>(c.red()) << 16) | (static_cast<Rgb>(c.green()) << 8) |
           static_cast<Rgb>(c.blue());
}

QString withoutAccessKeys(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size()) ++i;  // "&x" -> x, "&&" -> &
        out += s[i];
    }
    return out;
}

std::string shownText(const QWidget* w) {
    QString text;
    if (w->inherits("QTextBrowser"))
        text = w->property("markdown").toString();
    else if (auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (auto* edit = qobject_cast<const QLineEdit*>(w))
        text = edit->text();
    else if (auto* combo = qobject_cast<const QComboBox*>(w))
        text = combo->currentText();
    else if (auto* box = qobject_cast<const QGroupBox*>(w))
        text = withoutAccessKeys(box->title());
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        text = withoutAccessKeys(button->text());
    return text.toStdString();
}

}  // namespace ondalab::qt
