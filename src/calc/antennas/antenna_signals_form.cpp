#include "calc/antennas/antenna_signals_form.h"

#include <array>
#include <string>

#include "calc/antennas/antenna_signals.h"
#include "common/catalogue.h"
#include "common/layout.h"

namespace ondalab {

// What sets the twins apart.
struct SignalsVariant {
    const char* name;
    const char* caption;
    const char* heading;
    const char* noteName;
    const char* note;
    bool gains;  // G_t and G_r typed, else 1.64 at both ends
    const char* received;
    const char* voltage;
    const char* exitCaption;
    const char* distanceTip;
};

namespace {

constexpr SignalsVariant kDipole = {
    .name = Frmsegnalidipolo::kName,
    .caption = TR("ondalab", "INTESITA' DEI SEGNALI D'ANTENNA"),
    .heading = TR("ondalab",
                  "VALORE TEORICO DEL FLUSSO DI POTENZA  DEI SEGNALI IRRADIATI DA UN DIPOLO A MEZZ ' ONDA "
                  "IPOTETICAMENTE RISCONTRABILI AD UNA DETERMINATA DISTANZA "),
    .noteName = "Label5",
    .note = TR(
        "ondalab",
        "NELL'IPOTESI CHE IL SEGNALE VENGA TRASMESSO E RICEVUTO DA DUE DIPOLI  A MEZZ' ONDA E SENZA TENERE "
        "CONTO DELLE VARIAZIONI DI PROPAGAZIONE"),
    .gains = false,
    .received = TR("ondalab", "POTENZA GENERATA NEL DIPOLO RICEVENTE : "),
    .voltage = TR("ondalab", "TENSIONE NEL DIPOLO RICEVENTE : "),
    .exitCaption = TR("ondalab", "E S C I"),
    .distanceTip = "",
};

constexpr SignalsVariant kGeneric = {
    .name = Frmsegnaligenerica::kName,
    .caption = TR("ondalab", "INTENSITA'  DEI SEGNALI D' ANTENNA"),
    .heading =
        TR("ondalab",
           "VALORE TEORICO DEL FLUSSO DI POTENZA  DEI SEGNALI IRRADIATI DA UNA ANTENNA  IPOTETICAMENTE "
           "RISCONTRABILI AD UNA DETERMINATA DISTANZA "),
    .noteName = "Label7",
    .note = TR("ondalab", "SENZA TENERE CONTO DELLE VARIAZIONI DI PROPAGAZIONE"),
    .gains = true,
    .received = TR("ondalab", "POTENZA GENERATA NELL'ANTENNA RICEVENTE : "),
    .voltage = TR("ondalab", "TENSIONE NELL'ANTENNA RICEVENTE : "),
    .exitCaption = TR("ondalab", "C H I U D I"),
    .distanceTip = TR("ondalab", "distanza su cui effettuare il calcolo"),
};

constexpr Mask kDensity = "#,##0.#####";
constexpr Mask kPower = "#,##0.####";
constexpr Mask kField = "#,##0.###";

constexpr std::array<const char*, 5> kResults = {"lblpr", "lblpa", "lblcampoe", "lblcampoh", "lbltensione"};

constexpr int kRowStep = 450;
constexpr int kFormWidth = 8400;

int inputRows(const SignalsVariant& v) { return v.gains ? 5 : 3; }

std::vector<ControlSpec> signalsControls(const SignalsVariant& v) {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back({.kind = K::Label,
                 .name = "Label1",
                 .rect = {240, 180, 7800, 720},
                 .text = v.heading,
                 .fore = colors::darkBlue,
                 .font = {.bold = true},
                 .align = Align::Center});
    struct Row {
        const char* caption;
        const char* box;
        const char* tip;
    };
    const Row rows[] = {
        {TR("ondalab", "POTENZA DEL TRASMETTITORE IN WATT"), "txtwatt", ""},
        {TR("ondalab", "DISTANZA DAL TRASMETTITORE IN KM"), "txtdistanza", v.distanceTip},
        {TR("ondalab", "FREQUENZA DI TRASMISSIONE IN Mhz"), "txtfrequenza", ""},
        {TR("ondalab", "GUADAGNO DELL'ANT. TX RISPETTO AL DIPOLO ISOTROPICO"), "txtgt",
         TR("ondalab", "1.64 per il dipolo")},
        {TR("ondalab", "GUADAGNO DELL'ANT. RX RISPETTO AL DIPOLO ISOTROPICO"), "txtgr",
         TR("ondalab", "1.64 per il dipolo")},
    };
    for (int i = 0; i < inputRows(v); ++i) {
        addInputRow(c, {.label = "Label" + std::to_string(2 + i),
                        .caption = rows[i].caption,
                        .box = rows[i].box,
                        .top = 1080 + i * kRowStep,
                        .labelWidth = 5400,
                        .boxLeft = 5880,
                        .boxWidth = 1440,
                        .tooltip = rows[i].tip});
    }
    const int resultsTop = 1200 + inputRows(v) * kRowStep;
    for (size_t i = 0; i < kResults.size(); ++i)
        c.push_back(resultLabel(kResults[i], {240, resultsTop + static_cast<int>(i) * 420, 7800, 330},
                                {.fore = colors::darkBlue}));
    const int noteTop = resultsTop + 5 * 420 + 120;
    c.push_back({.kind = K::Label,
                 .name = v.noteName,
                 .rect = {240, noteTop, 7800, 480},
                 .text = v.note,
                 .font = {.italic = true},
                 .align = Align::Center});
    const int buttonsTop = noteTop + 600;
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {1800, buttonsTop, 1920, 420},
                 .text = TR("ondalab", "CALCOLA")});
    c.push_back(
        {.kind = K::Button, .name = "cmdesci", .rect = {4560, buttonsTop, 1920, 420}, .text = v.exitCaption});
    return c;
}

int formHeight(const SignalsVariant& v) {
    return 1200 + inputRows(v) * kRowStep + 5 * 420 + 120 + 600 + 420 + 600;
}

}  // namespace

SignalsForm::SignalsForm(Workbench& wb, const SignalsVariant& variant)
    : Form(wb,
           {.name = variant.name,
            .caption = variant.caption,
            .rect = {0, 0, kFormWidth, formHeight(variant)},
            .faultFocus = "txtwatt"},
           signalsControls(variant)),
      variant_(variant),
      txtgt_(variant.gains ? &ctl("txtgt") : nullptr),
      txtgr_(variant.gains ? &ctl("txtgr") : nullptr),
      results_(ctls(kResults)) {
    onClick(ctl("cmdcalcola"), &SignalsForm::cmdcalcola_Click);
    onClick(ctl("cmdesci"), &SignalsForm::cmdesci_Click);
}

void SignalsForm::cmdcalcola_Click() {
    antenna_signals::Inputs in{.power = num(txtwatt_),
                               .distance = num(txtdistanza_),
                               .frequency = num(txtfrequenza_),
                               .gainTx = antenna_signals::kDipoleGain,
                               .gainRx = antenna_signals::kDipoleGain};
    double product = in.power * in.distance * in.frequency;
    if (variant_.gains) {
        in.gainRx = num(*txtgr_);
        in.gainTx = num(*txtgt_);
        product *= in.gainRx * in.gainTx;
    }
    if (!missingDataOk(product, txtwatt_)) return;
    const auto r = antenna_signals::solve(in);
    const std::array<std::string, 5> texts = {
        compose(tr("ondalab", "DENSITA' DI POTENZA DELL' ONDA  :  %1  microWATT/mq "),
                {masked(r.density, kDensity)}),
        tr(name(), variant_.received) + masked(r.received, kPower) + tr("ondalab", " microWATT "),
        compose(tr("ondalab", "INTENSITA' CAMPO ELETTRICO IN RICEZIONE : %1 milliVOLT/mt "),
                {masked(r.electric, kField)}),
        compose(tr("ondalab", "INTENSITA' CAMPO MAGNETICO IN RICEZIONE : %1 microAMP/mt "),
                {masked(r.magnetic, kField)}),
        tr(name(), variant_.voltage) + masked(r.voltage, kField) + tr("ondalab", " milliVOLT "),
    };
    for (size_t i = 0; i < results_.size(); ++i) results_[i]->setText(texts[i]);
}

Frmsegnalidipolo::Frmsegnalidipolo(Workbench& wb) : SignalsForm(wb, kDipole) {}

Frmsegnaligenerica::Frmsegnaligenerica(Workbench& wb) : SignalsForm(wb, kGeneric) {}

}  // namespace ondalab
