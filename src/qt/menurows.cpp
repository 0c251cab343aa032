#include "qt/menurows.h"

#include <QActionEvent>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace ondalab::qt {

namespace {

// The access key of a caption, lower case, or a null character.
QChar accessKey(const QString& s) {
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != u'&') continue;
        if (s[i + 1] != u'&') return s[i + 1].toLower();
        ++i;
    }
    return {};
}

// Highlights the menu's first entry as the Down key does: a submenu there
// stays closed until the user opens it.
void activateFirstEntry(QMenu* menu) {
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &down);
}

}  // namespace

MenuRows::MenuRows(int minRowHeight, QWidget* parent)
    : QWidget(parent), minRowHeight_(minRowHeight), rowHeight_(minRowHeight) {
    setObjectName(QStringLiteral("menurows"));
    setFont(QApplication::font("QMenuBar"));
    setPalette(QApplication::palette("QMenuBar"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);  // reached by Alt+letter, never by Tab
}

void MenuRows::setRowWidth(int width) {
    if (width == rowWidth_) return;
    rowWidth_ = width;
    relayout();
}

QSize MenuRows::entrySize(int i, const QFontMetrics& fm) const {
    const QAction* a = actions().at(i);
    if (!a->isVisible() || a->isSeparator()) return {};
    QStyleOptionMenuItem opt;
    initStyleOption(&opt, i);
    opt.fontMetrics = fm;
    return style()->sizeFromContents(QStyle::CT_MenuBarItem, &opt, fm.size(Qt::TextShowMnemonic, a->text()),
                                     this);
}

// As a menu bar lays out its entries, with a new row wherever the next one
// would cross the right edge.
MenuRows::Layout MenuRows::layout(const QFontMetrics& fm) const {
    const QStyle* st = style();
    const int frame = st->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    const int hmargin = st->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    const int vmargin = st->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, this);
    const int spacing = st->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    Layout out;
    std::vector<QSize>& sizes = out.sizes;
    sizes.resize(actions().size());
    int itemHeight = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        sizes[i] = entrySize(static_cast<int>(i), fm);
        itemHeight = std::max(itemHeight, sizes[i].height());
    }
    out.rowHeight = std::max(minRowHeight_, itemHeight + 2 * (frame + vmargin));
    out.rects.assign(sizes.size(), QRect());
    const int left = frame + hmargin + spacing;
    int row = 0, x = left;
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i].isEmpty()) continue;
        if (x > left && x + sizes[i].width() + frame + hmargin > rowWidth_) {
            ++row;
            x = left;
        }
        out.rects[i] = QRect(x, row * out.rowHeight + frame + vmargin, sizes[i].width(), itemHeight);
        x += sizes[i].width() + spacing;
    }
    out.rowCount = row + 1;
    return out;
}

// Nothing is laid out before the bar has its width: filling it, entry by
// entry, costs no measuring, and giving it its width lays it out once.
void MenuRows::relayout() {
    if (rowWidth_ <= 0) return;
    Layout l = layout(fontMetrics());
    rects_ = std::move(l.rects);
    sizes_ = std::move(l.sizes);
    rowHeight_ = l.rowHeight;
    rowCount_ = l.rowCount;
    resize(rowWidth_, rowCount_ * rowHeight_);
    update();
    emit rowsChanged();
}

int MenuRows::heightWith(const QFont& font) const {
    const Layout l = layout(QFontMetrics(font));
    return l.rowCount * l.rowHeight;
}

void MenuRows::initStyleOption(QStyleOptionMenuItem* opt, int i) const {
    const QAction* a = actions().at(i);
    opt->palette = palette();
    opt->state = QStyle::State_None;
    if (isEnabled() && a->isEnabled())
        opt->state |= QStyle::State_Enabled;
    else
        opt->palette.setCurrentColorGroup(QPalette::Disabled);
    opt->fontMetrics = fontMetrics();
    if (i == current_) {
        opt->state |= QStyle::State_Selected;
        if (popup_) opt->state |= QStyle::State_Sunken;
    }
    if (hasFocus() || current_ >= 0) opt->state |= QStyle::State_HasFocus;
    opt->menuRect = i < static_cast<int>(rects_.size()) ? rowRect(rects_[i].top() / rowHeight_) : rect();
    opt->menuItemType = QStyleOptionMenuItem::Normal;
    opt->checkType = QStyleOptionMenuItem::NotCheckable;
    opt->text = a->text();
    opt->icon = a->icon();
}

QRect MenuRows::entryRect(const QAction* entry) const {
    const qsizetype i = actions().indexOf(entry);
    return i >= 0 && i < static_cast<qsizetype>(rects_.size()) ? rects_[i] : QRect();
}

int MenuRows::indexAt(QPoint p) const {
    for (size_t i = 0; i < rects_.size(); ++i)
        if (rects_[i].contains(p)) return static_cast<int>(i);
    return -1;
}

QAction* MenuRows::entryAt(QPoint p) const {
    const int i = indexAt(p);
    return i < 0 ? nullptr : actions().at(i);
}

QAction* MenuRows::current() const { return current_ < 0 ? nullptr : actions().at(current_); }

void MenuRows::open(QAction* entry) { select(static_cast<int>(actions().indexOf(entry)), true); }

// ---- events of the bar ----

bool MenuRows::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::Shortcut: {
            const int id = static_cast<QShortcutEvent*>(e)->shortcutId();
            for (const auto& [entry, grabbed] : shortcuts_)
                if (grabbed == id) activateByKey(entryWithKey(accessKey(entry->text())));
            return true;
        }
        case QEvent::KeyPress: {
            // Tab moves along the bar, not to the next control.
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (keyboard_ && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
                step(key == Qt::Key_Tab ? 1 : -1);
                return true;
            }
            break;
        }
        case QEvent::ApplicationFontChange:
            setFont(QApplication::font("QMenuBar"));
            break;
        default:
            break;
    }
    return QWidget::event(e);
}

void MenuRows::actionEvent(QActionEvent* e) {
    QAction* a = e->action();
    switch (e->type()) {
        case QEvent::ActionAdded:
            if (!accessKey(a->text()).isNull())
                shortcuts_[a] = grabShortcut(QKeySequence::mnemonic(a->text()));
            if (QMenu* menu = a->menu()) {
                menu->installEventFilter(this);
                for (QMenu* sub : menu->findChildren<QMenu*>()) sub->installEventFilter(this);
                connect(menu, &QMenu::aboutToHide, this, [this, menu] { menuHidden(menu); });
            }
            break;
        case QEvent::ActionRemoved:
            if (const auto it = shortcuts_.find(a); it != shortcuts_.end()) {
                releaseShortcut(it->second);
                shortcuts_.erase(it);
            }
            if (a->menu() == shown_) hideShownMenu();
            current_ = -1;
            break;
        case QEvent::ActionChanged: {
            if (const auto it = shortcuts_.find(a); it != shortcuts_.end())
                setShortcutEnabled(it->second, a->isEnabled());
            // An entry enabled or disabled keeps its size: it is only drawn again.
            const qsizetype i = actions().indexOf(a);
            if (i < static_cast<qsizetype>(sizes_.size()) &&
                entrySize(static_cast<int>(i), fontMetrics()) == sizes_[i]) {
                update();
                return;
            }
            break;
        }
        default:
            break;
    }
    relayout();
}

void MenuRows::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) relayout();
}

// Each row is drawn as the style draws a whole menu bar.
void MenuRows::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    for (int row = 0; row < rowCount_; ++row) {
        const QRect bar = rowRect(row);
        QRegion empty(bar);
        for (size_t i = 0; i < rects_.size(); ++i) {
            if (rects_[i].isEmpty() || !bar.contains(rects_[i].center())) continue;
            empty -= rects_[i];
            QStyleOptionMenuItem opt;
            initStyleOption(&opt, static_cast<int>(i));
            opt.rect = rects_[i];
            p.setClipRect(rects_[i]);
            style()->drawControl(QStyle::CE_MenuBarItem, &opt, &p, this);
        }
        if (frame > 0) {
            const QRegion border = QRegion(bar) - bar.adjusted(frame, frame, -frame, -frame);
            empty -= border;
            p.setClipRegion(border);
            QStyleOptionFrame panel;
            panel.rect = bar;
            panel.palette = palette();
            panel.state = QStyle::State_None;
            panel.lineWidth = frame;
            panel.midLineWidth = 0;
            style()->drawPrimitive(QStyle::PE_PanelMenuBar, &panel, &p, this);
        }
        p.setClipRegion(empty);
        QStyleOptionMenuItem area;
        area.palette = palette();
        area.state = QStyle::State_None;
        area.menuItemType = QStyleOptionMenuItem::EmptyArea;
        area.checkType = QStyleOptionMenuItem::NotCheckable;
        area.rect = bar;
        area.menuRect = bar;
        style()->drawControl(QStyle::CE_MenuBarEmptyArea, &area, &p, this);
    }
}

void MenuRows::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int i = indexAt(e->position().toPoint());
    if (i < 0 || !actions().at(i)->isEnabled()) return;
    if (actions().at(i)->menu()) {
        select(i, true);
    } else {
        pressedLeaf_ = true;
        select(i, false);
    }
}

void MenuRows::mouseReleaseEvent(QMouseEvent* e) {
    if (!pressedLeaf_ || e->button() != Qt::LeftButton) return;
    pressedLeaf_ = false;
    const int i = indexAt(e->position().toPoint());
    if (i >= 0 && i == current_) trigger(i);
}

// The entry under the mouse is highlighted, as a menu bar does on hover.
void MenuRows::mouseMoveEvent(QMouseEvent* e) {
    if (keyboard_ || shown_ || pressedLeaf_) return;
    const int i = indexAt(e->position().toPoint());
    if (i != current_) select(i >= 0 && canHighlight(i) ? i : -1, false);
}

void MenuRows::leaveEvent(QEvent*) {
    if (!keyboard_ && !shown_ && !pressedLeaf_) select(-1, false);
}

void MenuRows::keyPressEvent(QKeyEvent* e) {
    if (!keyboard_ || current_ < 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    QAction* a = actions().at(current_);
    switch (e->key()) {
        case Qt::Key_Left:
            step(-1);
            break;
        case Qt::Key_Right:
            step(1);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (a->menu()) select(current_, true, true);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (a->menu())
                select(current_, true, true);
            else
                trigger(current_);
            break;
        case Qt::Key_Escape:
            select(-1, false);
            leaveKeyboardMode();
            break;
        default:
            if (!mnemonicKey(e)) e->ignore();
            break;
    }
}

// A letter in keyboard mode opens the entry whose access key it is.
bool MenuRows::mnemonicKey(const QKeyEvent* e) {
    if (e->text().size() != 1) return false;
    const int i = entryWithKey(e->text().at(0).toLower());
    if (i >= 0) activateByKey(i);
    return i >= 0;
}

// Entries may share an access key ("&Volt", "&Varie"): it goes to the first
// after the highlighted entry, so that pressing it again moves on to the
// next and round.
int MenuRows::entryWithKey(QChar key) const {
    const QList<QAction*> entries = actions();
    const auto n = static_cast<int>(entries.size());
    for (int step = 1; step <= n; ++step) {
        const int i = (current_ + step) % n;
        if (accessKey(entries[i]->text()) == key && entries[i]->isEnabled()) return i;
    }
    return -1;
}

void MenuRows::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason || !keyboard_) return;  // our own menu dropping down
    keyboard_ = false;
    focusBefore_ = nullptr;
    if (!shown_) select(-1, false);
}

// Keys and mouse moves reach the dropped-down menu (or its open submenu):
// the ones that belong to the bar are taken here.
bool MenuRows::eventFilter(QObject* watched, QEvent* e) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || !shown_) return false;
    switch (e->type()) {
        case QEvent::KeyRelease:
            // Alt pressed and let go alone closes the menus, as the style's
            // own menus do on the press; with a letter it chose an entry.
            if (static_cast<QKeyEvent*>(e)->key() != Qt::Key_Alt || !altAlone_) return false;
            hideShownMenu();
            select(-1, false);
            leaveKeyboardMode();
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(e)->key();
            altAlone_ = key == Qt::Key_Alt;
            if (altAlone_) return true;
            // Alt and an entry's access key open that entry's menu instead.
            const bool alt = static_cast<QKeyEvent*>(e)->modifiers() == Qt::AltModifier;
            if (alt && key >= Qt::Key_A && key <= Qt::Key_Z)
                if (const int i = entryWithKey(QChar(key).toLower()); i >= 0) {
                    activateByKey(i);
                    return true;
                }
            const QAction* at = menu->activeAction();
            const bool opensSubmenu = at && at->menu() && at->isEnabled();
            if (key == Qt::Key_Right && !opensSubmenu) {
                step(1);
                return true;
            }
            if (key == Qt::Key_Left && menu == shown_) {
                step(-1);
                return true;
            }
            if (key == Qt::Key_Escape && menu == shown_) {  // back to the bar, entry still highlighted
                const int i = current_;
                hideShownMenu();
                enterKeyboardMode();
                select(i, false);
                return true;
            }
            return false;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress: {
            const QPoint at = mapFromGlobal(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
            if (!rect().contains(at)) return false;
            const int i = indexAt(at);
            if (e->type() == QEvent::MouseMove) {
                if (i >= 0 && i != current_ && canHighlight(i)) select(i, true);
                return true;
            }
            if (i == current_ || i < 0 || !canHighlight(i)) {  // a second click on the entry closes its menu
                hideShownMenu();
                select(-1, false);
                leaveKeyboardMode();
            } else {
                select(i, true);
            }
            return true;
        }
        default:
            return false;
    }
}

// ---- highlight and menus ----

bool MenuRows::canHighlight(int i) const {
    const QAction* a = actions().at(i);
    return !rects_[i].isEmpty() &&
           (a->isEnabled() || style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, nullptr, this));
}

void MenuRows::select(int i, bool popup, bool first) {
    QMenu* menu = i >= 0 ? actions().at(i)->menu() : nullptr;
    if (shown_ && (!popup || shown_ != menu)) hideShownMenu();
    current_ = i;
    popup_ = popup && i >= 0;
    update();
    if (!popup_ || !menu || !actions().at(i)->isEnabled() || shown_ == menu) return;
    shown_ = menu;
    menu->popup(mapToGlobal(rects_[i].bottomLeft() + QPoint(0, 1)));
    if (first) activateFirstEntry(menu);
}

// The next entry that can be highlighted, in reading order across the rows.
void MenuRows::step(int direction) {
    const int n = static_cast<int>(actions().size());
    int i = current_ < 0 ? (direction > 0 ? n - 1 : 0) : current_;
    for (int tries = 0; tries < n; ++tries) {
        i = (i + direction + n) % n;
        if (canHighlight(i)) break;
    }
    enterKeyboardMode();
    select(i, popup_, true);
}

void MenuRows::activateByKey(int i) {
    if (i < 0 || !actions().at(i)->isEnabled()) return;
    if (actions().at(i)->menu()) {
        enterKeyboardMode();
        select(i, true, true);
    } else {
        trigger(i);
    }
}

void MenuRows::trigger(int i) {
    QAction* a = actions().at(i);
    select(-1, false);
    leaveKeyboardMode();
    a->trigger();
}

void MenuRows::hideShownMenu() {
    QMenu* menu = shown_;
    shown_ = nullptr;  // so that menuHidden knows we closed it
    if (menu) menu->hide();
}

// The menu closed by itself: an entry was chosen or the user clicked
// elsewhere.
void MenuRows::menuHidden(QMenu* menu) {
    if (menu != shown_) return;
    shown_ = nullptr;
    select(-1, false);
    leaveKeyboardMode();
}

void MenuRows::enterKeyboardMode() {
    if (keyboard_) return;
    keyboard_ = true;
    QWidget* had = window()->focusWidget();
    focusBefore_ = had == this ? nullptr : had;
    setFocus(Qt::MenuBarFocusReason);
}

void MenuRows::leaveKeyboardMode() {
    if (!keyboard_) return;
    keyboard_ = false;
    const QPointer<QWidget> back = focusBefore_;
    focusBefore_ = nullptr;
    if (window()->focusWidget() != this) return;
    if (back)
        back->setFocus(Qt::MenuBarFocusReason);
    else
        clearFocus();
}

}  // namespace ondalab::qt
