#include "qt/accessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>

#include "qt/clicklabel.h"
#include "qt/controlwidget.h"
#include "qt/focusring.h"
#include "qt/formwindow.h"
#include "qt/menurows.h"

namespace ondalab::qt {

namespace {

QAccessibleInterface* of(QObject* o) { return o ? QAccessible::queryAccessibleInterface(o) : nullptr; }

FormWindow* windowOf(const QWidget* w) { return w ? qobject_cast<FormWindow*>(w->window()) : nullptr; }

// The frame an option sits in, when its group is one.
QWidget* frameOf(const QWidget* option) {
    FormWindow* win = windowOf(option);
    const Control* c = win ? win->controlOf(option) : nullptr;
    if (!c || c->spec().group.empty()) return nullptr;
    const Control* frame = win->form()->find(c->spec().group);
    return frame && frame->kind() == ControlKind::Frame ? win->widgetOf(*frame) : nullptr;
}

// The widgets shown as children of `parent`: its own child widgets, except
// options told as their frame's children, and those options when `parent`
// is their frame.
QList<QWidget*> shownChildren(const QWidget* parent) {
    QList<QWidget*> out;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow() || qobject_cast<FocusRing*>(w)) continue;
        if (qobject_cast<QScrollBar*>(w) && w->isHidden()) continue;  // a form that fits needs none
        if (qobject_cast<QRadioButton*>(w) && frameOf(w)) continue;
        out << w;
    }
    if (qobject_cast<const QGroupBox*>(parent))
        for (QObject* o : parent->parentWidget()->children())
            if (auto* option = qobject_cast<QRadioButton*>(o); option && frameOf(option) == parent)
                out << option;
    return out;
}

// A widget whose children are the shown ones above.
class Container : public QAccessibleWidget {
public:
    Container(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return static_cast<int>(shownChildren(widget()).size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> kids = shownChildren(widget());
        return i >= 0 && i < kids.size() ? of(kids[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(shownChildren(widget()).indexOf(child->object())) : -1;
    }
};

class WindowInterface : public Container {
public:
    explicit WindowInterface(FormWindow* w)
        : Container(w, w->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->windowTitle() : Container::text(t);
    }
};

class FrameInterface : public Container {
public:
    explicit FrameInterface(QGroupBox* w) : Container(w, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? withoutAccessKeys(static_cast<QGroupBox*>(widget())->title())
                                      : Container::text(t);
    }
};

// An option: a radio button (the model, not Qt, keeps its group exclusive),
// inside its frame.
class OptionInterface : public QAccessibleWidget {
public:
    explicit OptionInterface(QRadioButton* w) : QAccessibleWidget(w, QAccessible::RadioButton) {}
    QAccessibleInterface* parent() const override {
        QWidget* frame = frameOf(widget());
        return frame ? of(frame) : QAccessibleWidget::parent();
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<QRadioButton*>(widget())->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled())
            static_cast<QRadioButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction()) return QAccessibleWidget::keyBindingsForAction(name);
        const QKeySequence key = QKeySequence::mnemonic(static_cast<QRadioButton*>(widget())->text());
        return key.isEmpty() ? QStringList() : QStringList{key.toString(QKeySequence::NativeText)};
    }
};

// A picture chosen by clicking it: a button.
class PictureInterface : public QAccessibleWidget {
public:
    explicit PictureInterface(ClickPicture* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && widget()->isEnabled())
            emit static_cast<ClickPicture*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

// The wrapping menu bar and its entries.
QList<QAction*> entriesOf(const MenuRows* rows) {
    QList<QAction*> out;
    for (QAction* a : rows->actions())
        if (a->isVisible() && !a->isSeparator()) out << a;
    return out;
}

class MenuBarInterface : public QAccessibleWidget {
public:
    explicit MenuBarInterface(MenuRows* w) : QAccessibleWidget(w, QAccessible::MenuBar) {}
    int childCount() const override { return static_cast<int>(entriesOf(rows()).size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QAction*> entries = entriesOf(rows());
        return i >= 0 && i < entries.size() ? of(entries[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(entriesOf(rows()).indexOf(child->object())) : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Menu") : QAccessibleWidget::text(t);
    }

private:
    MenuRows* rows() const { return static_cast<MenuRows*>(widget()); }
};

class MenuEntryInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntryInterface(QAction* entry, MenuRows* rows) : entry_(entry), rows_(rows) {}

    bool isValid() const override { return entry_ && rows_; }
    QObject* object() const override { return entry_; }
    QWindow* window() const override { return rows_ ? rows_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return of(rows_); }
    int childCount() const override { return entry_ && entry_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 && childCount() == 1 ? of(entry_->menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && entry_ && child->object() == entry_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = rows_->entryRect(entry_);
        return QRect(rows_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override {
        if (!entry_) return {};
        switch (t) {
            case QAccessible::Name:
                return withoutAccessKeys(entry_->text());
            case QAccessible::Accelerator:
                return accelerator();
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.disabled = !entry_->isEnabled();
        s.focusable = true;
        s.selectable = true;
        s.focused = s.selected = rows_->current() == entry_;
        s.hasPopup = entry_->menu() != nullptr;
        s.expanded = entry_->menu() && entry_->menu()->isVisible();
        s.collapsed = entry_->menu() && !entry_->menu()->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        if (!isValid() || !entry_->isEnabled()) return {};
        return {entry_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) return;
        if (entry_->menu())
            rows_->open(entry_);
        else
            entry_->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        const QString key = accelerator();
        return actionNames().contains(name) && !key.isEmpty() ? QStringList{key} : QStringList();
    }

private:
    QString accelerator() const {
        return QKeySequence::mnemonic(entry_->text()).toString(QKeySequence::NativeText);
    }

    QPointer<QAction> entry_;
    QPointer<MenuRows> rows_;
};

QAccessibleInterface* factory(const QString&, QObject* o) {
    if (auto* entry = qobject_cast<QAction*>(o)) {
        for (QObject* owner : entry->associatedObjects())
            if (auto* rows = qobject_cast<MenuRows*>(owner)) return new MenuEntryInterface(entry, rows);
        return nullptr;
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || !windowOf(w)) return nullptr;
    if (auto* win = qobject_cast<FormWindow*>(w)) return new WindowInterface(win);
    if (auto* rows = qobject_cast<MenuRows*>(w)) return new MenuBarInterface(rows);
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return new FrameInterface(frame);
    if (auto* option = qobject_cast<QRadioButton*>(w)) return new OptionInterface(option);
    if (auto* picture = qobject_cast<ClickPicture*>(w)) return new PictureInterface(picture);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

}  // namespace ondalab::qt
