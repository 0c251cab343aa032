// The menu tree of the main window, in menu order: caption with its access
// key, the form each leaf opens and whether it is shown modally.
#include "app/info_forms.h"
#include "app/main_window.h"
#include "calc/active/bias_form.h"
#include "calc/active/transformer_form.h"
#include "calc/antennas/antenna_signals_form.h"
#include "calc/antennas/base_loaded_form.h"
#include "calc/antennas/capacitive_hat_form.h"
#include "calc/antennas/coax_trap_form.h"
#include "calc/antennas/dipoles_form.h"
#include "calc/antennas/direct_wave_form.h"
#include "calc/antennas/five_eighths_form.h"
#include "calc/antennas/j_vertical_form.h"
#include "calc/antennas/loaded_dipole_form.h"
#include "calc/antennas/multiband_form.h"
#include "calc/antennas/shortened_vertical_form.h"
#include "calc/antennas/small_loop_form.h"
#include "calc/capacitors/plate_form.h"
#include "calc/capacitors/ripple_form.h"
#include "calc/capacitors/series_form.h"
#include "calc/lc/bandpass_form.h"
#include "calc/lc/coil_form.h"
#include "calc/lc/filters_form.h"
#include "calc/lc/reactance_form.h"
#include "calc/lc/resonance_form.h"
#include "calc/lc/resonant_impedance_form.h"
#include "calc/lc/rlc_form.h"
#include "calc/lc/tuning_form.h"
#include "calc/lc/uhf_coil_form.h"
#include "calc/lines/adapters_form.h"
#include "calc/lines/balun_choke_form.h"
#include "calc/lines/coax_impedance_form.h"
#include "calc/lines/electrical_degrees_form.h"
#include "calc/lines/electrical_length_form.h"
#include "calc/lines/gamma_match_form.h"
#include "calc/lines/swr_form.h"
#include "calc/lines/two_wire_form.h"
#include "calc/reference/inches_form.h"
#include "calc/reference/lookup_form.h"
#include "calc/reference/meter_range_form.h"
#include "calc/reference/prefixes_form.h"
#include "calc/reference/temperature_form.h"
#include "calc/reference/wire_section_form.h"
#include "calc/resistors/attenuator_form.h"
#include "calc/resistors/divider_form.h"
#include "calc/resistors/parallel_form.h"
#include "calc/resistors/zener_form.h"
#include "calc/volts/db_form.h"
#include "calc/volts/dbmicrovolt_form.h"
#include "calc/volts/dbw_form.h"
#include "calc/volts/ohm_form.h"
#include "calc/volts/rms_form.h"

namespace ondalab {

namespace {

MenuItem sub(std::string name, std::string caption, std::vector<MenuItem> children) {
    return {std::move(name), std::move(caption), "", true, std::move(children)};
}
MenuItem modal(std::string name, std::string caption, std::string form) {
    return {std::move(name), std::move(caption), std::move(form), true};
}
MenuItem modeless(std::string name, std::string caption, std::string form) {
    return {std::move(name), std::move(caption), std::move(form), false};
}

}  // namespace

std::vector<MenuItem> mainMenu() {
    return {
        sub("mnuvolt", "&Volt",
            {modal("mnuohm", "&Ohm", Frmleggediohm::kName),
             sub("mnudecibel", "Decibel",
                 {modal("mnudb", "Decibel", FrmdB::kName), modal("mnudbw", "dBWatt - dBmWatt", FrmdBW::kName),
                  modal("mnudbmicrovolt", "dBmicroVolt", FrmdBmicrovolt::kName)}),
             modal("mnurms", "Volt R.M.S.", Frmvolt::kName)}),
        sub("mnuinduttanza", "C&ircuiti L C",
            {sub("mnufiltri", "Filtri",
                 {modeless("mnufiltripassaalto", "Filtri passa alto", Frmpassaalto::kName),
                  modeless("mnufiltripassabasso", "Filtri passa basso", Frmpassabasso::kName),
                  modeless("mnufiltripassabanda", "Filtripassabanda", Frmpassabanda::kName)}),
             modeless("mnuvalinduttanza", "Sintonia", Frmvalinduttanza::kName),
             modal("mnureattanza", "Reattanza", Frmreattanza::kName),
             modal("mnubobine", "Bobine per HF", Frmbobine::kName),
             modal("MNUBOBINEUHF", "Bobine per UHF", Frmbobineuhf::kName),
             modal("mnuRLC", "Circuiti RLC", FrmCircuitiRLC::kName),
             modeless("mnurisonanza", "Risonanza", Frmrisonanza::kName),
             modal("mnuimprisonanza", "Imped. a risonanza", Frmimprisonanza::kName)}),
        sub("mnuantenne", "&Antenne",
            {sub("mnuantorizz", "Dipoli",
                 {modal("mnudipoli", "Dipoli 1/2 lambda", Frmdipoli::kName),
                  modeless("mnuantmultigamma", "Dipolo multigamma", Frmantmultigamma::kName),
                  modal("mnuantcoaxmulti", "Multigamma trapp.coax", Frmantcoaxmulti::kName),
                  modeless("mnuanttrappolata", "Dipolo accorciato", Frmtrappolata::kName)}),
             sub("mnuantvert", "Verticali",
                 {modeless("mnuverticale", "Verticale accorciata", Frmvertaccorciata::kName),
                  modal("mnuAntAcc", "Accorciata alla base", FrmAntAcc::kName),
                  modal("mnucappello", "Cappello capacitivo", Frmcappello::kName),
                  modal("mnuantenna58", "Verticale 5/8 lambda", Frmantenna58::kName),
                  modal("mnuantennaj", "Verticale J", FrmantennaJ::kName)}),
             modal("LoopAnt", "LoopAntenna", Frmloop::kName),
             modal("mnuondadiretta", "Onda diretta VHF", Frmondadiretta::kName),
             sub("mnusegnali", "Segnali d'antenna",
                 {modal("mnusegnalidipolo", "da dipolo", Frmsegnalidipolo::kName),
                  modal("mnusegnaligenerica", "da ant.generica", Frmsegnaligenerica::kName)})}),
        sub("mnulinee", "&Linee",
            {modeless("mnuadattatori", "Adattattori Imp.za", Frmadattatori::kName),
             modal("mnugammamatch", "Gamma match", Frmgammamatch::kName),
             modal("mnuros", "R.O.S.", Frmros::kName),
             modal("mnubalunchoke", "Balun Choke", Frmbalunchoke::kName),
             modal("mnugradi", "Gradi Elettrici", Frmgradi::kName),
             modal("mnuimpedenza", "Imp.linea coax", Frmimpedenza::kName),
             modal("mnulineebifilari", "Imp.linea bifilare", Frmlineebifilari::kName),
             modal("mnulunghezza", "Lung.Elettrica", Frmlungelettrica::kName)}),
        sub("mnucapacità", "&Condensatori",
            {modal("mnucondensatori", "C/serie", Frmcondensatori::kName),
             modal("mnuripple", "C/anti ripple", Frmripple::kName),
             modal("mnucostrcondensatori", "Costr.condensatori", Frmcostruzionecondensatori::kName)}),
        sub("mnures", "&Resistenze",
            {modal("mnuresistenze", "R/parallelo", Frmresistenze::kName),
             modal("mnupartitori", "Partitori resist.", Frmpartitori::kName),
             modal("mnuattenuatorires", "Attenuatori resistivi", Frmattenuatorires::kName),
             modal("mnureszener", "Res.per Zener", Frmreszener::kName)}),
        sub("mnutransistor", "Transistor",
            {modal("mnucommonemitter", "Common Emitter", Frmpolarizztransistor::kName)}),
        modal("mnutrasformatori", "&Trasformatori", Frmtrasformatori::kName),
        sub("mnuvarie", "&Varie",
            {modal("mnudizionario", "Dizionario", Frmdizionario::kName),
             modal("mnupeso", "Peso specifico", Frmpeso::kName),
             modal("mnumisureInglesi", "Pollici Inglesi", Frmmisureinglesi::kName),
             modal("mnuprefissi", "Prefissi moltiplicativi", Frmprefissi::kName),
             modal("mnuresistività", "Resistività", Frmresistivita::kName),
             modal("mnusezione", "Sezione filo", Frmsezione::kName),
             sub("mnustrumenti", "Strumenti",
                 {modal("mnuamperometro", "shunt per amp.", Frmshunt::kName),
                  modal("mnuvoltmetro", "estens.voltm.", Frmvoltmetro::kName)}),
             modal("mnutemperatura", "Temperatura", Frmtemperatura::kName)}),
        modal("mnuinfo", "Leggimi", Frmabaut::kName),
    };
}

}  // namespace ondalab
