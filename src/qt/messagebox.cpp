#include "qt/messagebox.h"

namespace ondalab::qt {

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
