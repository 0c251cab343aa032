// A menu bar that wraps: its top-level entries (the widget's actions, a
// menu's action for an entry with a submenu) flow onto as many rows as the
// width needs, each row as tall as the font asks and never lower than a
// given minimum. The style draws it as it draws a QMenuBar, and it behaves
// as one: a click drops an entry's menu down, moving the mouse along the bar
// while a menu is down switches menus, Alt+letter opens an entry, and the
// keyboard moves through every row: Left/Right step through the entries in
// reading order and wrap from the last to the first.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

class QMenu;
class QStyleOptionMenuItem;

namespace ondalab::qt {

class MenuRows : public QWidget {
    Q_OBJECT
public:
    MenuRows(int minRowHeight, QWidget* parent);

    // Lays the entries out in rows for this width; the height follows.
    void setRowWidth(int width);
    int rowCount() const { return rowCount_; }
    int rowHeight() const { return rowHeight_; }
    // The bar's height were its entries written in `font`.
    int heightWith(const QFont& font) const;

    // Where an entry is drawn (empty for an entry not shown), and the entry
    // at a point, in the bar's coordinates.
    QRect entryRect(const QAction* entry) const;
    QAction* entryAt(QPoint p) const;
    // The highlighted entry, or nullptr.
    QAction* current() const;
    // Drops the entry's menu down, as a click on the entry does.
    void open(QAction* entry);

signals:
    void rowsChanged();  // the bar's height may have changed

protected:
    bool event(QEvent* e) override;
    void actionEvent(QActionEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Layout {
        std::vector<QSize> sizes;  // per action, as actions() lists them; empty: not shown
        std::vector<QRect> rects;
        int rowHeight = 0;
        int rowCount = 1;
    };
    QSize entrySize(int i, const QFontMetrics& fm) const;
    Layout layout(const QFontMetrics& fm) const;
    void relayout();
    void initStyleOption(QStyleOptionMenuItem* opt, int i) const;
    int indexAt(QPoint p) const;
    QRect rowRect(int row) const { return QRect(0, row * rowHeight_, width(), rowHeight_); }
    bool canHighlight(int i) const;
    // Highlights entry i (-1: none); with `popup` its menu is dropped down,
    // with `first` the menu's first entry is made active.
    void select(int i, bool popup, bool first = false);
    void step(int direction);
    void activateByKey(int i);
    void trigger(int i);
    void hideShownMenu();
    void menuHidden(QMenu* menu);
    void enterKeyboardMode();
    void leaveKeyboardMode();
    bool mnemonicKey(const QKeyEvent* e);
    // The next enabled entry after the highlighted one, round the bar, whose
    // access key is `key`; -1 when none.
    int entryWithKey(QChar key) const;

    int minRowHeight_;
    int rowWidth_ = 0;
    int rowHeight_;
    int rowCount_ = 1;
    std::vector<QSize> sizes_;  // per action, as actions() lists them
    std::vector<QRect> rects_;
    std::map<const QAction*, int> shortcuts_;  // the Alt+letter of each entry that has one
    int current_ = -1;
    bool popup_ = false;        // menus drop down as the highlight moves
    bool pressedLeaf_ = false;  // a mouse press on an entry without a menu
    bool keyboard_ = false;     // the bar has the keyboard focus
    bool altAlone_ = false;     // Alt is down in a menu, no other key pressed with it
    QMenu* shown_ = nullptr;    // the dropped-down menu
    QPointer<QWidget> focusBefore_;
};

}  // namespace ondalab::qt
