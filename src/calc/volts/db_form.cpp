#include "calc/volts/db_form.h"

#include <array>

#include "calc/volts/db.h"
#include "common/fault.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

// The window places itself: short with the example out of sight, tall to show it.
constexpr Rect kShort = {2100, 2000, 7890, 4900};
constexpr Rect kTall = {2100, 1000, 7890, 6700};

constexpr Mask kRatioMask = "#,##0.###";
constexpr Mask kDecibelMask = "#0.##";
constexpr Mask kExampleMask = "#,##0.###";

struct Mode {
    const char* option;
    const char* input1;
    const char* input2;  // empty: the second input is hidden
    const char* output1;
    const char* output2;  // empty: the second result is hidden
};

const std::array<Mode, 3> kModes = {{
    {TR("frmdB", "NOTI I DECIBEL TROVARE LA VARIAZIONE IN TENSIONE E IN POTENZA"), TR("frmdB", "DECIBEL"), "",
     TR("frmdB", "RAPPORTO  in TENSIONE"), TR("frmdB", "RAPPORTO in POTENZA")},
    {TR("frmdB", "NOTE LE TENSIONI DI ENTRATA E USCITA TROVARE I DECIBEL"), TR("frmdB", "TENSIONE ENTRATA"),
     TR("frmdB", "TENSIONE USCITA"), TR("frmdB", "DECIBEL"), ""},
    {TR("frmdB", "NOTE LE POTENZE DI ENTRATA E USCITA TROVARE I DECIBEL"), TR("frmdB", "POTENZA ENTRATA"),
     TR("frmdB", "POTENZA USCITA"), TR("frmdB", "DECIBEL"), ""},
}};

std::vector<ControlSpec> dbControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 60, 7530, 640},
         .text =
             TR("frmdB",
                "Il decibel (dB) è un'unità di misura logaritmica che indica il rapporto esistente tra il "
                "segnale applicato all'ingresso e il segnale prelevato all'uscita di un dispositivo. Il "
                "Decibel può esprimere un guadagno o una attenuazione.")});
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {120, 720, 7530, 250},
                 .text = TR("frmdB", "per separare i decimali usare il punto"),
                 .fore = colors::red});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {120, 980, 7530, 1120},
                 .text = TR("frmdB", " Opzioni di calcolo ")});
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {300, 1230 + i * 270, 7200, 270},
                     .text = kModes[static_cast<size_t>(i)].option,
                     .group = "Frame1"});
    c.push_back({.kind = K::Line, .name = "Line1", .rect = {120, 2180, 7530, 0}});
    const auto nameLabel = [](std::string name, int left, int width) {
        return ControlSpec{.kind = K::Label,
                           .name = name,
                           .rect = {left, 2240, width, 400},
                           .text = name,
                           .align = Align::Center};
    };
    c.push_back(nameLabel("lblinput1", 120, 1450));
    c.push_back(nameLabel("lblinput2", 1620, 1450));
    c.push_back(nameLabel("lbloutput1", 3120, 1450));
    c.push_back(nameLabel("lbloutput2", 4620, 1450));
    c.push_back({.kind = K::Label,
                 .name = "lblvariazione",
                 .rect = {6120, 2240, 1530, 400},
                 .fore = colors::red,
                 .font = {.bold = true},
                 .align = Align::Center});
    const auto input = [](std::string name, int left) {
        return ControlSpec{.kind = K::TextBox,
                           .name = std::move(name),
                           .rect = {left, 2680, 1450, 330},
                           .tooltip = TR("frmdB", "inserire i dati e cliccare \"Calcola\"")};
    };
    const auto result = [](std::string name, int left) {
        return resultLabel(std::move(name), {left, 2680, 1450, 330}, {.align = Align::Center});
    };
    c.push_back(input("txtinput1", 120));
    c.push_back(input("txtinput2", 1620));
    c.push_back(result("lblout1", 3120));
    c.push_back(result("lblout2", 4620));
    c.push_back({.kind = K::Line, .name = "Line2", .rect = {120, 3120, 7530, 0}});
    c.push_back({.kind = K::Label,
                 .name = "Label11",
                 .rect = {120, 3320, 4000, 300},
                 .text = TR("frmdB", " dopo l'inserimento cliccare su CALCOLA  --->")});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {4300, 3220, 1500, 420},
                 .text = TR("frmdB", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {6000, 3220, 1500, 420},
                 .text = TR("frmdB", "E S C I")});
    // The worked example, below the short window's client area (4540 tall).
    c.push_back({.kind = K::Shape, .name = "Shape1", .rect = {240, 4600, 7290, 1660}});
    c.push_back({.kind = K::Label,
                 .name = "Label3",
                 .rect = {360, 4650, 3000, 260},
                 .text = TR("frmdB", "  Facciamo un esempio "),
                 .font = {.bold = true}});
    c.push_back(
        {.kind = K::Label,
         .name = "Label4",
         .rect = {360, 4950, 6060, 260},
         .text = TR("frmdB", "In un dispositivo che presenta un guadagno o una attenuazione di DB :")});
    c.push_back(resultLabel("lbldbesempio", {6450, 4920, 1000, 300}, {.align = Align::Center}));
    c.push_back({.kind = K::Label,
                 .name = "Label5",
                 .rect = {360, 5270, 5600, 260},
                 .text = TR("frmdB", "se si applica in ingresso una tensione di  :")});
    c.push_back({.kind = K::TextBox,
                 .name = "txtvoltesempio",
                 .rect = {6450, 5230, 1000, 330},
                 .tooltip = TR("frmdB", "IL CALCOLO E'  INDIPENDENTE DALL'UNITA' DI MISURA")});
    c.push_back({.kind = K::Label,
                 .name = "Label6",
                 .rect = {360, 5590, 3000, 260},
                 .text = TR("frmdB", "si ottengono in uscita :")});
    c.push_back({.kind = K::Label,
                 .name = "Label7",
                 .rect = {600, 5920, 1300, 260},
                 .text = TR("frmdB", "in guadagno  : ")});
    c.push_back(resultLabel("Label9", {1900, 5880, 1500, 300}, {.align = Align::Center}));
    c.push_back({.kind = K::Label,
                 .name = "Label8",
                 .rect = {3700, 5920, 1500, 260},
                 .text = TR("frmdB", " in attenuazione  : ")});
    c.push_back(resultLabel("Label10", {5200, 5880, 1500, 300}, {.align = Align::Center}));
    return c;
}

}  // namespace

FrmdB::FrmdB(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmdB", "CONVERSIONI TRA DECIBEL E VARIAZIONI DI SEGNALE"),
            .rect = kShort,
            .style = FrameStyle::Sizable,
            .centred = false,  // it places itself
            .faultFocus = "txtinput1"},
           dbControls()) {
    onClick("Option1", &FrmdB::Option1_Click);
    onClick(cmdcalcola_, &FrmdB::cmdcalcola_Click);
    onClick(cmdesci_, &FrmdB::cmdesci_Click);
    onChange(txtinput1_, &FrmdB::txtinput1_Change);
    onChange(txtvoltesempio_, &FrmdB::txtvoltesempio_Change);
}

void FrmdB::Form_Load() { shortWindow(); }

void FrmdB::shortWindow() { setRect(kShort); }

void FrmdB::Option1_Click(int index) {
    mode_ = index;
    shortWindow();
    const Mode& m = kModes[static_cast<size_t>(index)];
    const bool twoInputs = *m.input2 != '\0';
    const bool twoOutputs = *m.output2 != '\0';
    lblinput1_.setText(tr(kName, m.input1));
    if (twoInputs) lblinput2_.setText(tr(kName, m.input2));
    lblinput2_.setVisible(twoInputs);
    txtinput2_.setVisible(twoInputs);
    lbloutput1_.setText(tr(kName, m.output1));
    if (twoOutputs) lbloutput2_.setText(tr(kName, m.output2));
    lbloutput2_.setVisible(twoOutputs);
    lblout2_.setVisible(twoOutputs);
    lblvariazione_.setVisible(false);
}

void FrmdB::cmdcalcola_Click() {
    const double d = num(txtinput1_);
    if (d < 0) {
        warnAndFocus(txtinput1_, TR("frmdB", "SOLO VALORI POSITIVI"));
        return;
    }
    if (mode_ == 0) {
        if (d > db::kMaxDecibels) {
            warnAndFocus(
                txtinput1_,
                TR("frmdB", "MASSIMO DB CALCOLABILE = 70"));  // the ratios stay, the example still opens
        } else {
            const auto r = db::fromDecibels(d);
            std::string voltage = masked(r.voltage, kRatioMask);
            std::string power = masked(r.power, kRatioMask);
            lblout1_.setText(voltage);
            lblout2_.setText(power);
            voltageRatio_ = std::move(voltage);
            powerRatio_ = std::move(power);
        }
        setRect(kTall);
        lbldbesempio_.setText(general(d));
        return;
    }
    const double e = num(txtinput2_);
    if (d * e <= 0) {
        warnAndFocus(txtinput1_, TR("frmdB", "SOLO VALORI POSITIVI"));
        return;
    }
    const auto level = db::between(mode_ == 1 ? db::Quantity::Voltage : db::Quantity::Power, d, e);
    const std::string decibels = masked(level.decibels, kDecibelMask);
    lblout1_.setText(decibels);
    lblvariazione_.setText(level.gain ? tr("frmdB", "DB di GUADAGNO") : tr("frmdB", "DB di ATTENUAZIONE"));
    lblvariazione_.setVisible(true);
}

void FrmdB::txtinput1_Change() {
    txtvoltesempio_.setText("");
    lbldbesempio_.setText("");
}

void FrmdB::txtvoltesempio_Change() {
    const double v = toSingle(num(txtvoltesempio_));
    // The ratio as shown, read back: rounded to three decimals. With no
    // mode-0 ratio kept yet the empty text has no value (a quiet fault).
    const double ratio = readRegional(voltageRatio_, fmt());
    const std::string gain = masked(v * ratio, kExampleMask);
    const std::string loss = masked(checkedDiv(v, ratio), kExampleMask);
    Label9_.setText(gain);
    Label10_.setText(loss);
}

}  // namespace ondalab
