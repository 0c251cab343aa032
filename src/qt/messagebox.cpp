#include "qt/messagebox.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <algorithm>

#include "common/catalogue.h"
#include "qt/language.h"

namespace ondalab::qt {

namespace {

// The buttons speak the interface language, as every other text does.
void ourButtons(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } names[] = {{QMessageBox::Ok, TR("ondalab", "OK")},
                 {QMessageBox::Yes, TR("ondalab", "Sì")},
                 {QMessageBox::No, TR("ondalab", "No")}};
    for (const auto& n : names)
        if (QAbstractButton* b = box.button(n.button)) b->setText(uiText(n.text));
}

// QMessageBox sizes itself from its text alone; a window manager draws the
// title in a larger bold type beside its own buttons and cuts it short in a
// narrow box. A spacer across the layout keeps the box wide enough for it.
void wideEnoughForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(titleWidth(box.windowTitle(), box.font()), 0, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

int titleWidth(const QString& title, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSizeF(font.pointSizeF() * 1.25);
    const QFontMetrics fm(bold);
    // Room for the window manager's icon and its close, minimise and
    // maximise buttons on either side of the title.
    const int chrome = 8 * fm.height();
    return fm.horizontalAdvance(title) + chrome;
}

std::unique_ptr<QMessageBox> makeMessageBox(BoxKind kind, const std::string& prompt, const std::string& title,
                                            QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setText(QString::fromStdString(prompt));
    box->setWindowTitle(QString::fromStdString(title));
    box->setTextFormat(Qt::PlainText);
    switch (kind) {
        case BoxKind::Exclamation:
            box->setIcon(QMessageBox::Warning);
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case BoxKind::Question:
            box->setIcon(QMessageBox::Question);
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box->setDefaultButton(QMessageBox::Yes);
            break;
        case BoxKind::Plain:
            box->setIcon(QMessageBox::NoIcon);
            box->setStandardButtons(QMessageBox::Ok);
            break;
    }
    ourButtons(*box);
    wideEnoughForTitle(*box);
    return box;
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Ok;
    }
}

}  // namespace ondalab::qt
