#include "scenario/qt_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "qt/controlwidget.h"
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
    const size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    return std::min(n, s.size() - i);
}

class QtDriver : public Driver {
public:
    QtDriver(Workbench& wb, QtView& view) : Driver(wb), view_(view) {}

    void menu(const std::string& item) override {
        view_.refreshMenus();
        if (QAction* a = view_.menuAction(item))
            a->trigger();  // a disabled entry ignores it, as the real menu does
        else
            Driver::menu(item);
    }

    void click(Form& f, Control& c) override {
        if (QWidget* w = view_.widget(f, c)) {
            QTest::mouseClick(w, Qt::LeftButton);
        } else if (QWidget* win = view_.window(f); win && c.kind() == ControlKind::Image) {
            const QRect box = view_.scale().pixels(c.rect()).translated(0, view_.window(f)->topOffset());
            QTest::mouseClick(win, Qt::LeftButton, {}, box.center());
        } else {
            Driver::click(f, c);
        }
    }

    void focus(Form& f, Control& c) override { view_.focusByUser(f, c); }

    // One key press per character: each is one edit, so one Change.
    void typeChars(Form& f, Control& c, const std::string& chars) override {
        QLineEdit* edit = lineEditOf(view_.widget(f, c));
        if (!edit) {
            Driver::typeChars(f, c, chars);
            return;
        }
        view_.focusByUser(f, c);
        for (size_t i = 0; i < chars.size();) {
            const size_t n = sequenceLength(chars, i);
            const QString ch = QString::fromUtf8(chars.data() + i, static_cast<qsizetype>(n));
            i += n;
            if (!(edit = lineEditOf(view_.widget(f, c)))) return;  // a handler closed the form
            edit->end(false);  // typing appends
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
        view_.focusByUser(f, c);
        if (!(edit = lineEditOf(view_.widget(f, c)))) return;
        if (edit->text() == QString::fromStdString(text)) return;  // nothing edited, no Change
        edit->selectAll();
        edit->insert(QString::fromStdString(text));
    }

    void pick(Form& f, Control& c, const std::string& entry) override {
        auto* combo = qobject_cast<QComboBox*>(view_.widget(f, c));
        const int index = combo ? combo->findText(QString::fromStdString(entry), Qt::MatchExactly) : -1;
        if (index < 0) {
            Driver::pick(f, c, entry);
            return;
        }
        // What choosing from the drop-down list comes to: a new current
        // entry, announced as activated.
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void closeForm(Form& f) override {
        if (QWidget* win = view_.window(f))
            win->close();  // the close box: the model decides
        else
            Driver::closeForm(f);
    }

    void settle() override {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        return view_.scale().twips(w->geometry().translated(0, -view_.window(f)->topOffset()));
    }
    Rect formGeometry(Form& f) override {
        const QWidget* win = view_.window(f);
        return win ? qt::outerGeometry(win->geometry(), view_.scale()) : f.rect();
    }
    std::string formCaption(Form& f) override {
        const QWidget* win = view_.window(f);
        return win ? win->windowTitle().toStdString() : f.caption();
    }
    Rgb color(Form& f, Control& c) override {
        const QWidget* w = view_.widget(f, c);
        return w ? qt::rgbOf(w->palette().color(qt::foreRole(c.kind()))) : c.fore();
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
    QtView& view_;
};

}  // namespace

std::unique_ptr<Driver> makeQtDriver(Workbench& wb, QtView& view) { return std::make_unique<QtDriver>(wb, view); }

}  // namespace ondalab::scenario
