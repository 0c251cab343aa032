#include "app/help_form.h"

#include "app/help_pages.h"

namespace ondalab {

namespace {

// The help window's own texts, all here.
constexpr const char* kCaption = TR("frmguida", "GUIDA");
constexpr const char* kCaptionJoin = " - ";
constexpr const char* kNoPage = TR("frmguida",
                                   "La guida di questa finestra non è stata trovata: manca il file %1 nella "
                                   "cartella share/ondalab/help del programma.");

// 600 by 520 pixels at 96 dpi: a page of text at a comfortable measure.
constexpr int kWidth = 9000;
constexpr int kHeight = 7800;

}  // namespace

Frmguida::Frmguida(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = kCaption,
            .rect = {0, 0, kWidth, kHeight},
            .defaultButton = {},
            .helpPage = false},
           {{.kind = ControlKind::Document, .name = "txtguida", .font = {.points = 10}}}) {
    txtguida_.setRect(clientRect());  // the page fills the window
}

// The form F1 was pressed in lies just beneath: the workbench puts this
// window on top before its load step runs.
void Frmguida::Form_Load() {
    const auto& open = workbench().openForms();
    const Form* subject = open.size() >= 2 ? open[open.size() - 2] : nullptr;
    if (!subject) return;
    centreOver(*subject);  // over the window it explains, not in the middle of the screen
    // The page in the interface language (a language without pages: Italian).
    setCaption(tr(kName, kCaption) + kCaptionJoin + subject->caption());
    const std::string& language = workbench().language();
    auto page = readHelpPage(subject->name(), language);
    if (!page && language != kSourceLanguage) page = readHelpPage(subject->name(), kSourceLanguage);
    const std::string file = subject->name() + "." + language + ".md";
    const std::string body = page ? *page : compose(tr(kName, kNoPage), {file});
    txtguida_.setText("# " + subject->caption() + "\n\n" + body);
}

}  // namespace ondalab
