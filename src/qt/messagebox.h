// The message box for a model box: built apart from showing it, so its
// icon and buttons can be checked without a user to answer it.
#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

#include "common/services.h"

namespace ondalab::qt {

std::unique_ptr<QMessageBox> makeMessageBox(BoxKind kind, const std::string& prompt, const std::string& title,
                                            QWidget* parent = nullptr);
// How wide a box must be for a window manager to show `title` whole: the
// title in its larger bold type, plus the window's own buttons.
int titleWidth(const QString& title, const QFont& font);
// The model's answer for the button the user pressed.
Answer answerOf(int button);

}  // namespace ondalab::qt
