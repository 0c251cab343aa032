#include "calc/active/bias_form.h"

#include <string>

#include "calc/active/bias.h"
#include "common/layout.h"
#include "common/schematic.h"
#include "common/workbench.h"

namespace ondalab {

namespace {

constexpr Mask kOhms = "####,###";
constexpr Mask kOhmsR1 = "####,### ";  // R1's text ends in a blank
constexpr Mask kOhmsZi = "###,###";
constexpr Mask kVolts = "#0.##";
constexpr Mask kCollectorMa = "#0.###";
constexpr Mask kBaseMa = "#0.####";
constexpr Mask kDividerMa = "#0.##";
constexpr const char* kCoupling = TR("frmpolarizztransistor", "1 uF");  // both coupling capacitors

// The schematic's corner on the form; the part names are labels placed
// over it in the same coordinates.
constexpr Point kSketch = {5400, 1150};

// The stage: supply rail on top, ground rail below, the divider R1/R2 on
// the base, R3 in the collector, R4 in the emitter, C1 in and C2 out.
Picture stage() {
    schematic::Drawing d;
    d.wire({300, 200}, {4200, 200})       // + Vcc
        .wire({300, 3400}, {4200, 3400})  // ground
        .ground({2250, 3400})
        .resistor({1200, 200}, {1200, 1700}, "")   // R1
        .resistor({1200, 1700}, {1200, 3400}, "")  // R2
        .capacitor({100, 1700}, {900, 1700}, "")   // C1
        .wire({900, 1700}, {2100, 1700})
        .transistor({2100, 1700})
        .resistor({2400, 200}, {2400, 1100}, "")  // R3
        .wire({2400, 1100}, {2400, 1400})
        .resistor({2400, 2000}, {2400, 3400}, "")  // R4
        .wire({2400, 1100}, {3100, 1100})
        .capacitor({3100, 1100}, {3900, 1100}, "")  // C2
        .node({1200, 200})
        .node({2400, 200})
        .node({1200, 1700})
        .node({2400, 1100})
        .node({1200, 3400})
        .node({2400, 3400});
    return d.picture();
}

ControlSpec sketchLabel(std::string name, std::string text, int x, int y, int width = 500) {
    return {.kind = ControlKind::Label,
            .name = std::move(name),
            .rect = {kSketch.x + x, kSketch.y + y, width, 255},
            .text = std::move(text),
            .fore = colors::darkBlue};
}

ControlSpec resultLabel(std::string name, int left, int top, int width) {
    return {.kind = ControlKind::Label, .name = std::move(name), .rect = {left, top, width, 285}};
}

std::vector<ControlSpec> biasControls() {
    using K = ControlKind;
    std::vector<ControlSpec> c;
    c.push_back(
        {.kind = K::Label,
         .name = "Label1",
         .rect = {240, 120, 9720, 780},
         .text =
             TR("frmpolarizztransistor",
                "CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE DI UNO STADIO PREAMPLIFICATORE CON EMETTITORE "
                "COMUNE E SENZA CONDENSATORE IN PARALLELO A R4.  Appllicando in parallelo alla resistenza "
                "di emettitore un condensatore elettrolitico, il guadagno cresce di circa 10 volte."),
         .fore = colors::darkBlue,
         .font = {.bold = true}});
    const int rows[] = {1200, 1680, 2160, 2640};
    addInputRow(c, {.label = "Label12",
                    .caption = TR("frmpolarizztransistor", "TENSIONE DI ALIMENTAZIONE Volt"),
                    .box = "txtVcc",
                    .top = rows[0],
                    .text = "12"});
    addInputRow(c, {.label = "Label9",
                    .caption = TR("frmpolarizztransistor", "RESISTENZA DI CARICO in Ohm"),
                    .box = "txtZC",
                    .top = rows[1],
                    .text = "47000"});
    addInputRow(c, {.label = "Label10",
                    .caption = TR("frmpolarizztransistor", "GUADAGNO PREVISTO"),
                    .box = "txtguadagno",
                    .top = rows[2],
                    .text = "10"});
    addInputRow(c, {.label = "Label11",
                    .caption = TR("frmpolarizztransistor", "BETA MEDIO DEL TRANSISTOR"),
                    .box = "txtbeta",
                    .top = rows[3]});
    c.push_back({.kind = K::Button,
                 .name = "cmdcalcola",
                 .rect = {600, 3240, 1800, 450},
                 .text = TR("frmpolarizztransistor", "CALCOLA")});
    c.push_back({.kind = K::Button,
                 .name = "CMDESCI",
                 .rect = {2700, 3240, 1800, 450},
                 .text = TR("frmpolarizztransistor", "E S C I")});
    c.push_back({.kind = K::Label,
                 .name = "lblstabilita",
                 .rect = {240, 3840, 4560, 285},
                 .fore = colors::red,
                 .font = {.bold = true},
                 .align = Align::Center});
    const char* below[] = {"lblIc", "lblIb", "lblIp", "lblVc", "lblVe", "lblVb", "lblVbase", "lblZi"};
    for (int i = 0; i < 8; ++i) c.push_back(resultLabel(below[i], 240, 4260 + i * 330, 4800));
    const char* resistors[] = {"lblR1", "lblR2", "lblR3", "lblR4"};
    for (int i = 0; i < 4; ++i) c.push_back(resultLabel(resistors[i], 5400, 4860 + i * 330, 4560));
    c.push_back(schematic::imageControl("Image1", {kSketch.x, kSketch.y, 4500, 3600}, stage()));
    c.push_back(sketchLabel("Label2", TR("frmpolarizztransistor", "R1"), 1300, 800));
    c.push_back(sketchLabel("Label3", TR("frmpolarizztransistor", "R2"), 1300, 2450));
    c.push_back(sketchLabel("Label4", TR("frmpolarizztransistor", "R3"), 2500, 500));
    c.push_back(sketchLabel("Label5", TR("frmpolarizztransistor", "R4"), 2500, 2550));
    c.push_back(sketchLabel("Label6", TR("frmpolarizztransistor", "C1"), 200, 1250, 700));
    c.push_back(sketchLabel("Label7", TR("frmpolarizztransistor", "C2"), 3200, 650, 700));
    c.push_back(sketchLabel("Label8", TR("frmpolarizztransistor", "Vcc"), 3500, -250, 900));
    return c;
}

}  // namespace

Frmpolarizztransistor::Frmpolarizztransistor(Workbench& wb)
    : Form(wb,
           {.name = kName,
            .caption = TR("frmpolarizztransistor", "CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE"),
            .rect = {0, 0, 10320, 7500},
            .faultFocus = "txtVcc"},
           biasControls()) {
    onClick(ctl("cmdcalcola"), &Frmpolarizztransistor::cmdcalcola_Click);
    onClick(ctl("CMDESCI"), &Frmpolarizztransistor::CMDESCI_Click);
}

void Frmpolarizztransistor::cmdcalcola_Click() {
    const double vcc = num(txtVcc_), load = num(txtZC_), gain = num(txtguadagno_), beta = num(txtbeta_);
    if (!missingDataOk(beta * gain * load * vcc, txtVcc_, Negative::Refused)) return;

    const std::string r3Text = masked(bias::collectorResistor(load), kOhms);
    const double r3 = wholeOhms(r3Text);
    const std::int16_t r4 = bias::emitterResistor(r3, gain);
    const double ic = bias::collectorCurrent(vcc, r3, r4);
    const double collectorVolts = ic * r3;
    const double emitterVolts = r4 * ic;
    const double icMa = bias::milliamperes(ic);
    const double ib = bias::baseCurrent(icMa, beta);
    const std::string r2Text = masked(bias::baseResistor(r4, beta), kOhms);
    const double r2 = wholeOhms(r2Text);
    const std::string r1Text = masked(bias::supplyResistor(r2, vcc, emitterVolts), kOhmsR1);

    const std::string r1 = compose(tr("frmpolarizztransistor", "IL VALORE DI R1 E' %1 OHM"), {r1Text});
    const std::string r2Line = compose(tr("frmpolarizztransistor", "IL VALORE DI R2 E' %1 OHM"), {r2Text});
    const std::string r3Line = compose(tr("frmpolarizztransistor", "IL VALORE DI R3 E' %1 OHM"), {r3Text});
    const std::string r4Line =
        compose(tr("frmpolarizztransistor", "IL VALORE DI R4 E' %1 OHM"), {std::to_string(r4)});
    const std::string supply = general(vcc) + tr("frmpolarizztransistor", " V");
    const std::string icLine =
        compose(tr("frmpolarizztransistor", "Corrente di collettore %1 mA"), {masked(icMa, kCollectorMa)});
    const std::string vcLine =
        compose(tr("frmpolarizztransistor", "Tensione collettore %1 Volt"), {masked(collectorVolts, kVolts)});
    const std::string veLine =
        compose(tr("frmpolarizztransistor", "Tensione emettitore %1 Volt"), {masked(emitterVolts, kVolts)});
    const std::string vbLine = compose(tr("frmpolarizztransistor", "Tensione di base %1 Volt"),
                                       {masked(bias::baseVoltage(emitterVolts), kVolts)});
    const std::string ibLine =
        compose(tr("frmpolarizztransistor", "Corrente di base %1 mA"), {masked(ib, kBaseMa)});
    const std::string ipLine = compose(tr("frmpolarizztransistor", "Corrente di polarizzazione %1 mA"),
                                       {masked(bias::dividerCurrent(ib), kDividerMa)});
    const std::string signal = compose(tr("frmpolarizztransistor", "max segnale applicabile %1 Volt"),
                                       {masked(bias::maxSignal(vcc, gain), kVolts)});
    const std::string zi = compose(tr("frmpolarizztransistor", "Impedenza di ingresso %1 Ohm"),
                                   {masked(bias::inputImpedance(r2), kOhmsZi)});

    lblstabilita_.setText(bias::gainTooHigh(gain) ? tr("frmpolarizztransistor", "GUADAGNO ECCESSIVO") : "");
    lblR1_.setText(r1);
    lblR2_.setText(r2Line);
    lblR3_.setText(r3Line);
    lblR4_.setText(r4Line);
    Label8_.setText(supply);
    lblIc_.setText(icLine);
    lblVc_.setText(vcLine);
    lblVe_.setText(veLine);
    lblVb_.setText(vbLine);
    lblIb_.setText(ibLine);
    lblIp_.setText(ipLine);
    lblVbase_.setText(signal);
    lblZi_.setText(zi);
    Label6_.setText(tr(kName, kCoupling));
    Label7_.setText(tr(kName, kCoupling));
}

}  // namespace ondalab
