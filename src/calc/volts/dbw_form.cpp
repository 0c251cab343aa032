#include "calc/volts/dbw_form.h"

#include <array>
#include <string>

#include "calc/volts/dbw.h"
#include "common/layout.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr const char* kNotice = kNoticeTitle;
constexpr const char* kVolt50 = TR("frmdBW", "Volt su   50 ohm");
constexpr const char* kVolt75 = TR("frmdBW", "Volt su   75 ohm");
constexpr const char* kMilli50 = TR("frmdBW", "milliVolt su 50 ohm");
constexpr const char* kMilli75 = TR("frmdBW", "milliVolt su 75 ohm");

struct Mode {
    const char* option;
    const char* input;
    const char* output1;
    const char* output2;
};

const std::array<Mode, 3> kModes = {{
    {TR("frmdBW", "Da dBW a Watt"), TR("frmdBW", "dBW"), TR("frmdBW", "dBm"), TR("frmdBW", "Watt")},
    {TR("frmdBW", "Da dBm a Watt"), TR("frmdBW", "dBm"), TR("frmdBW", "dBW"), TR("frmdBW", "Watt")},
    {TR("frmdBW", "Da Watt a dBW"), TR("frmdBW", "Watt"), TR("frmdBW", "dBW"), TR("frmdBW", "dBm")},
}};

// The input row and the name row above it, left to right.
constexpr int kColumn = 1620;
constexpr int kNamesTop = 2100;
constexpr int kValuesTop = 2620;

std::vector<ControlSpec> dbwControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {120, 120, 8040, 480},
         .text = TR("frmdBW",
                    "Il dBWatt (dBW) e il dBmilliwatt (dBm) sono unità di misura di un guadagno o di una "
                    "attenuazione"),
         .align = Align::Center});
    c.push_back({.kind = K::Frame,
                 .name = "Frame1",
                 .rect = {120, 700, 2700, 1250},
                 .text = TR("frmdBW", " Opzioni ")});
    for (int i = 0; i < 3; ++i)
        c.push_back({.kind = K::Option,
                     .name = indexed("Option1", i),
                     .rect = {300, 960 + i * 320, 2400, 300},
                     .text = kModes[static_cast<size_t>(i)].option,
                     .group = "Frame1"});
    const auto name = [](std::string n, int col, std::string text = {}) {
        return ControlSpec{.kind = K::Label,
                           .name = std::move(n),
                           .rect = {120 + col * kColumn, kNamesTop, 1500, 480},
                           .text = std::move(text),
                           .font = {.bold = true},
                           .align = Align::Center};
    };
    const auto result = [](std::string n, int col) {
        return resultLabel(std::move(n), {120 + col * kColumn, kValuesTop, 1500, 330},
                           {.align = Align::Center});
    };
    c.push_back(name("lblinput", 0));
    c.push_back({.kind = K::TextBox,
                 .name = "txtinput",
                 .rect = {120, kValuesTop, 1500, 330},
                 .tooltip = TR("frmdBW", "inserisci il valore selezionato")});
    c.push_back(name("lbloutput1", 1));
    c.push_back(result("lblout1", 1));
    c.push_back(name("lbloutput2", 2));
    c.push_back(result("lblout2", 2));
    c.push_back(name("Label5", 3, TR("frmdBW", "VOLT SU   50  OHM")));
    c.push_back(result("lbl50", 3));
    c.push_back(name("Label6", 4, TR("frmdBW", "VOLT SU    75  OHM")));
    c.push_back(result("lbl75", 4));
    c.push_back({.kind = K::Label,
                 .name = "Label2",
                 .rect = {3100, 1200, 4800, 300},
                 .text = TR("frmdBW", "calcolabili da da 1 picoWatt a 100 KiloWatt"),
                 .visible = false,
                 .fore = colors::red});
    c.push_back({.kind = K::Button,
                 .name = "cmdesci",
                 .rect = {3390, 3200, 1500, 420},
                 .text = TR("frmdBW", "E S C I")});
    return c;
}

}  // namespace

FrmdBW::FrmdBW(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmdBW", "Conversioni dBWatt - dBmilliWatt in Watt"),
            .rect = {0, 0, 8400, 4160},
            .faultFocus = "txtinput",
            .defaultButton = {}},
           dbwControls()) {
    onClick("Option1", &FrmdBW::Option1_Click);
    onChange(txtinput_, &FrmdBW::txtinput_Change);
    onClick(cmdesci_, &FrmdBW::cmdesci_Click);
}

void FrmdBW::Option1_Click(int index) {
    mode_ = index;
    const Mode& m = kModes[static_cast<size_t>(index)];
    lblinput_.setText(tr(kName, m.input));
    lbloutput1_.setText(tr(kName, m.output1));
    lbloutput2_.setText(tr(kName, m.output2));
    Label2_.setVisible(index == 1);
}

void FrmdBW::txtinput_Change() {
    const double x = toSingle(num(txtinput_));
    switch (mode_) {
        case 0:
            fromDbw(x);
            break;
        case 1:
            fromDbm(x);
            break;
        default:
            fromWatts(x);
            break;
    }
}

void FrmdBW::rangeWarning(const char* prompt, const char* title) { warnAndFocus(txtinput_, prompt, title); }

// After a result below a microwatt the voltage names read millivolts; the
// other modes put them back to volts when they write their results.
void FrmdBW::voltCaptionsBack() {
    if (Label5_.text() != kMilli50) return;
    Label5_.setText(tr(kName, kVolt50));
    Label6_.setText(tr(kName, kVolt75));
}

void FrmdBW::writeVolts(const std::string& v50, const std::string& v75) {
    lbl50_.setText(v50);
    lbl75_.setText(v75);
}

void FrmdBW::fromDbw(double x) {
    if (x < dbw::kDbwMin || x > dbw::kDbwMax)
        return rangeWarning(TR("frmdBW", "VALORI da:  - 30 a + 50"), kNotice);
    const std::string dbm = masked(toSingle(x + dbw::kDbmOverDbw), "##0.###");
    const std::string watts = masked(dbw::wattsFromDbw(x), "#0.###");
    const double shown = readRegional(watts, fmt());  // the voltages use the watts as shown
    const std::string v50 = masked(dbw::volts(shown, dbw::kLowOhms), "##0.##");
    const std::string v75 = masked(dbw::volts(shown, dbw::kHighOhms), "##0.##");
    lblout1_.setText(dbm);
    lblout2_.setText(watts);
    voltCaptionsBack();
    writeVolts(v50, v75);
}

void FrmdBW::fromDbm(double x) {
    if (x < dbw::kDbmMin || x > dbw::kDbmMax)
        return rangeWarning(TR("frmdBW", "VALORI DA: - 90 a + 80"), kNotice);
    const std::string dbwText = masked(toSingle(x - dbw::kDbmOverDbw), "##0.##");
    double w = dbw::wattsFromDbw(readRegional(dbwText, fmt()));
    const bool micro = w < dbw::kMicro;
    if (micro) w *= dbw::kMicroPerWatt;  // microwatts, giving millivolts
    const std::string watts = masked(w, "##,##0.######");
    const double shown = readRegional(watts, fmt());
    const std::string v50 = masked(dbw::volts(shown, dbw::kLowOhms), "##0.#####");
    const std::string v75 = masked(dbw::volts(shown, dbw::kHighOhms), "##0.#####");
    lbloutput2_.setText(micro ? tr("frmdBW", "microWatt") : tr("frmdBW", "Watt"));
    lblout1_.setText(dbwText);
    lblout2_.setText(watts);
    Label5_.setText(tr(kName, micro ? kMilli50 : kVolt50));
    Label6_.setText(tr(kName, micro ? kMilli75 : kVolt75));
    writeVolts(v50, v75);
}

void FrmdBW::fromWatts(double x) {
    if (x == 0) {
        for (Control* r : results_) r->setText("");
        return;
    }
    if (x < 0) return rangeWarning(TR("frmdBW", "NON ESISTONO WATT NEGATIVI"), kErrorTitle);
    if (x > dbw::kMaxWatts) return rangeWarning(TR("frmdBW", "VALORE ECCESSIVO"), kNotice);
    const std::string dbwText = masked(dbw::dbwFromWatts(x), "##0.##");
    const std::string dbm = masked(readRegional(dbwText, fmt()) + dbw::kDbmOverDbw, "##0.##");
    const std::string v50 = masked(dbw::volts(x, dbw::kLowOhms), "##0.##");
    const std::string v75 = masked(dbw::volts(x, dbw::kHighOhms), "##0.##");
    lblout1_.setText(dbwText);
    lblout2_.setText(dbm);
    voltCaptionsBack();
    writeVolts(v50, v75);
}

}  // namespace ondalab
