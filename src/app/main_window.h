// The main window: animated title, signature, exit button and the menu
// from which every calculator is opened.
#pragma once

#include "app/forms.h"
#include "common/form.h"

namespace ondalab {

std::vector<MenuItem> mainMenu();

class FRMONDALAB : public Form {
public:
    static constexpr const char* kName = kMainWindow;
    explicit FRMONDALAB(Workbench& wb);
    void Form_Load() override;

private:
    void Timer1_Timer();
    void lbltitolo_Click();
    void cdmexit_Click();

    // the controls the handlers use, bound when the form is built
    Control& Timer1_ = ctl("Timer1");
    Control& lbltitolo_ = ctl("lbltitolo");
    Control& cdmexit_ = ctl("cdmexit");
};

}  // namespace ondalab
