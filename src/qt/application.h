// The program's QApplication, with a last line of defence: an exception
// that escapes an event handler (the workbench catches calculation faults
// itself, so this is a programming error) must not reach the event loop,
// where it would end the program. It shows the fault box instead, through
// the message service the view uses, and the program goes on.
// ONDALAB_PALETTE=light|dark sets the palette (the desktop's otherwise);
// every window carries the program's icon.
#pragma once

#include <QApplication>

#include "common/services.h"

namespace ondalab::qt {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Where the fault box goes; nullptr: nowhere, the fault is only dropped.
    void setMessages(MessageService* boxes) { boxes_ = boxes; }
    bool notify(QObject* receiver, QEvent* e) override;

private:
    void showFault();

    MessageService* boxes_ = nullptr;
    bool showing_ = false;  // a fault while the box is up is not shown twice
};

}  // namespace ondalab::qt
