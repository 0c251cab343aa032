#include "scenario/qt_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <iostream>

#include "qt/controlwidget.h"
#include "qt/menurows.h"
#include "qt/qtview.h"

namespace ondalab::scenario {

namespace {

// The line edit a user types into: a text box, or a combo box's edit field.
QLineEdit* lineEditOf(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit;
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return nullptr;
}

// One UTF-8 sequence starting at s[i]; its length in bytes.
size_t sequenceLength(const std::string& s, size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t n = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 1;
    return std::min(n, s.size() - i);
}

class QtDriver : public Driver {
public:
    QtDriver(Workbench& wb, QtView& view, std::function<void()> settled)
        : Driver(wb), view_(view), settled_(std::move(settled)) {}

    // An entry runs its action; an entry with a submenu drops it down (for a
    // screenshot), as clicking the menu bar would.
    void menu(const std::string& item) override {
        closePopups();
        view_.refreshMenus();
        if (QAction* a = view_.menuAction(item))
            a->trigger();  // a disabled entry ignores it, as the real menu does
        else if (!dropDown(item))
            Driver::menu(item);
    }

    void click(Form& f, Control& c) override {
        closePopups();
        if (QWidget* w = view_.widget(f, c)) {
            QTest::mouseClick(w, Qt::LeftButton);
        } else if (QWidget* win = view_.window(f); win && c.kind() == ControlKind::Image) {
            const QRect box = view_.scale().pixels(c.rect()).translated(view_.window(f)->origin());
            QTest::mouseClick(win, Qt::LeftButton, {}, box.center());
        } else {
            Driver::click(f, c);
        }
    }

    void focus(Form& f, Control& c) override {
        closePopups();
        view_.focusByUser(f, c);
    }

    // One key press per character: each is one edit, so one Change.
    void typeChars(Form& f, Control& c, const std::string& chars) override {
        QLineEdit* edit = lineEditOf(view_.widget(f, c));
        if (!edit) {
            Driver::typeChars(f, c, chars);
            return;
        }
        closePopups();
        view_.focusByUser(f, c);
        for (size_t i = 0; i < chars.size();) {
            const size_t n = sequenceLength(chars, i);
            const QString ch = QString::fromUtf8(chars.data() + i, static_cast<qsizetype>(n));
            i += n;
            if (!(edit = lineEditOf(view_.widget(f, c)))) return;  // a handler closed the form
            edit->end(false);                                      // typing appends
            if (n == 1)
                QTest::keyClick(edit, chars[i - 1]);
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, ch, Qt::NoModifier);
        }
    }

    // The whole text at once, as pasting over a selection: one edit.
    void replaceText(Form& f, Control& c, const std::string& text) override {
        QLineEdit* edit = lineEditOf(view_.widget(f, c));
        if (!edit) {
            Driver::replaceText(f, c, text);
            return;
        }
        closePopups();
        view_.focusByUser(f, c);
        if (!(edit = lineEditOf(view_.widget(f, c)))) return;
        if (edit->text() == QString::fromStdString(text)) return;  // nothing edited, no Change
        edit->selectAll();
        edit->insert(QString::fromStdString(text));
    }

    void pick(Form& f, Control& c, const std::string& entry) override {
        auto* combo = qobject_cast<QComboBox*>(view_.widget(f, c));
        const auto exactly = Qt::MatchExactly | Qt::MatchCaseSensitive;
        const int index = combo ? combo->findText(QString::fromStdString(entry), exactly) : -1;
        if (index < 0) {
            Driver::pick(f, c, entry);
            return;
        }
        closePopups();
        // What choosing from the drop-down list comes to: a new current
        // entry, announced as activated.
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void closeForm(Form& f) override {
        closePopups();
        if (QWidget* win = view_.window(f))
            win->close();  // the close box: the model decides
        else
            Driver::closeForm(f);
    }

    // A real key press and release, to the widget that has the focus in
    // the form's window (the window itself when none has it).
    void press(Form& f, const std::string& key) override {
        closePopups();
        qt::FormWindow* win = view_.window(f);
        if (!win) {
            Driver::press(f, key);
            return;
        }
        QWidget* target = win->focusWidget() ? win->focusWidget() : win;
        const QKeySequence seq =
            QKeySequence::fromString(QString::fromStdString(key), QKeySequence::PortableText);
        if (seq.isEmpty()) return;
        QTest::keyClick(target, seq[0].key(), seq[0].keyboardModifiers());
    }

    std::string clipboard() override { return QGuiApplication::clipboard()->text().toStdString(); }
    bool flagged(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        return w ? w->property("flagged").toBool() : c.flagged();
    }

    void settle() override {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (settled_) settled_();
    }

    // The active form as the user sees it, with any menu dropped down over
    // it, to NAME.png in $ONDALAB_SHOTS (the current folder by default).
    void screenshot(const std::string& name) override {
        settle();
        const Form* active = wb_.activeForm();
        QWidget* win = active ? view_.window(*active) : nullptr;
        if (!win) return;
        QRect area = win->geometry();
        const auto menus = openMenus(win);
        for (QMenu* m : menus) area = area.united(m->geometry());
        QImage shot(area.size(), QImage::Format_RGB32);
        shot.fill(Qt::white);
        QPainter p(&shot);
        p.drawPixmap(win->geometry().topLeft() - area.topLeft(), win->grab());
        for (QMenu* m : menus) p.drawPixmap(m->geometry().topLeft() - area.topLeft(), m->grab());
        p.end();
        const QString dir =
            qEnvironmentVariableIsEmpty("ONDALAB_SHOTS") ? "." : qEnvironmentVariable("ONDALAB_SHOTS");
        const QString file = QDir(dir).filePath(QString::fromStdString(name) + ".png");
        if (!shot.save(file)) std::cerr << "screenshot: cannot write " << file.toStdString() << '\n';
    }

    std::string seenText(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        return w ? qt::shownText(w) : c.seenText();
    }
    bool visible(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        return w ? w->isVisibleTo(view_.window(f)) : c.visible();
    }
    bool enabled(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        return w ? w->isEnabled() : c.enabled();
    }
    bool checked(Form& f, Control& c) override {
        const auto* b = qobject_cast<const QAbstractButton*>(view_.widget(f, c));
        return b && b->isCheckable() ? b->isChecked() : c.checked();
    }
    Rect geometry(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        if (!w) return c.rect();
        return view_.scale().twips(w->geometry().translated(-view_.window(f)->origin()));
    }
    Rect formGeometry(Form& f) override {
        const QWidget* win = view_.window(f);
        return win ? qt::outerGeometry(win->geometry(), view_.scale()) : f.rect();
    }
    std::string formCaption(Form& f) override {
        const QWidget* win = view_.window(f);
        return win ? win->windowTitle().toStdString() : f.caption();
    }
    std::string tooltip(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        return w ? w->toolTip().toStdString() : c.tooltip();
    }
    Control* focused(Form& f) override {
        const qt::FormWindow* win = view_.window(f);
        return win ? win->controlOf(win->focusWidget()) : f.focused();
    }
    int listCount(Form& f, Control& c) override {
        const auto* combo = qobject_cast<const QComboBox*>(view_.widget(f, c));
        return combo ? combo->count() : Driver::listCount(f, c);
    }
    std::string listEntry(Form& f, Control& c, int i) override {
        const auto* combo = qobject_cast<const QComboBox*>(view_.widget(f, c));
        if (!combo) return Driver::listEntry(f, c, i);
        if (i < 0 || i >= combo->count()) throw std::out_of_range("no list entry " + std::to_string(i));
        return combo->itemText(i).toStdString();
    }
    int tolerance() const override { return 15; }

private:
    // The submenu called `item` on any open form, dropped down along with
    // the menus that hold it.
    bool dropDown(const std::string& item) {
        for (Form* f : wb_.openForms()) {
            const qt::FormWindow* win = view_.window(*f);
            QMenu* menu = win ? win->findChild<QMenu*>(QString::fromStdString(item)) : nullptr;
            if (!menu || !win->menuRows() || wb_.isBlocked(*f)) continue;
            std::vector<QMenu*> chain{menu};
            while (auto* parent = qobject_cast<QMenu*>(chain.back()->parentWidget())) chain.push_back(parent);
            win->menuRows()->open(chain.back()->menuAction());
            for (size_t i = chain.size() - 1; i > 0; --i)
                chain[i]->setActiveAction(chain[i - 1]->menuAction());
            return true;
        }
        return false;
    }

    static std::vector<QMenu*> openMenus(const QWidget* win) {
        std::vector<QMenu*> out;
        for (QMenu* m : win->findChildren<QMenu*>())
            if (m->isVisible()) out.push_back(m);
        return out;
    }

    // Whatever the user does next closes a dropped-down menu first.
    static void closePopups() {
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }

    QtView& view_;
    std::function<void()> settled_;
};

}  // namespace

std::unique_ptr<Driver> makeQtDriver(Workbench& wb, QtView& view, std::function<void()> settled) {
    return std::make_unique<QtDriver>(wb, view, std::move(settled));
}

}  // namespace ondalab::scenario
