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
#include "common/catalogue.h"

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
        sub("mnuvolt", TR("ondalab", "&Volt"),
            {modal("mnuohm", TR("ondalab", "&Ohm"), Frmleggediohm::kName),
             sub("mnudecibel", TR("ondalab", "Decibel"),
                 {modal("mnudb", TR("ondalab", "Decibel"), FrmdB::kName),
                  modal("mnudbw", TR("ondalab", "dBWatt - dBmWatt"), FrmdBW::kName),
                  modal("mnudbmicrovolt", TR("ondalab", "dBmicroVolt"), FrmdBmicrovolt::kName)}),
             modal("mnurms", TR("ondalab", "Volt R.M.S."), Frmvolt::kName)}),
        sub("mnuinduttanza", TR("ondalab", "C&ircuiti L C"),
            {sub("mnufiltri", TR("ondalab", "Filtri"),
                 {modeless("mnufiltripassaalto", TR("ondalab", "Filtri passa alto"), Frmpassaalto::kName),
                  modeless("mnufiltripassabasso", TR("ondalab", "Filtri passa basso"), Frmpassabasso::kName),
                  modeless("mnufiltripassabanda", TR("ondalab", "Filtripassabanda"), Frmpassabanda::kName)}),
             modeless("mnuvalinduttanza", TR("ondalab", "Sintonia"), Frmvalinduttanza::kName),
             modal("mnureattanza", TR("ondalab", "Reattanza"), Frmreattanza::kName),
             modal("mnubobine", TR("ondalab", "Bobine per HF"), Frmbobine::kName),
             modal("MNUBOBINEUHF", TR("ondalab", "Bobine per UHF"), Frmbobineuhf::kName),
             modal("mnuRLC", TR("ondalab", "Circuiti RLC"), FrmCircuitiRLC::kName),
             modeless("mnurisonanza", TR("ondalab", "Risonanza"), Frmrisonanza::kName),
             modal("mnuimprisonanza", TR("ondalab", "Imped. a risonanza"), Frmimprisonanza::kName)}),
        sub("mnuantenne", TR("ondalab", "&Antenne"),
            {sub("mnuantorizz", TR("ondalab", "Dipoli"),
                 {modal("mnudipoli", TR("ondalab", "Dipoli 1/2 lambda"), Frmdipoli::kName),
                  modeless("mnuantmultigamma", TR("ondalab", "Dipolo multigamma"), Frmantmultigamma::kName),
                  modal("mnuantcoaxmulti", TR("ondalab", "Multigamma trapp.coax"), Frmantcoaxmulti::kName),
                  modeless("mnuanttrappolata", TR("ondalab", "Dipolo accorciato"), Frmtrappolata::kName)}),
             sub("mnuantvert", TR("ondalab", "Verticali"),
                 {modeless("mnuverticale", TR("ondalab", "Verticale accorciata"), Frmvertaccorciata::kName),
                  modal("mnuAntAcc", TR("ondalab", "Accorciata alla base"), FrmAntAcc::kName),
                  modal("mnucappello", TR("ondalab", "Cappello capacitivo"), Frmcappello::kName),
                  modal("mnuantenna58", TR("ondalab", "Verticale 5/8 lambda"), Frmantenna58::kName),
                  modal("mnuantennaj", TR("ondalab", "Verticale J"), FrmantennaJ::kName)}),
             modal("LoopAnt", TR("ondalab", "LoopAntenna"), Frmloop::kName),
             modal("mnuondadiretta", TR("ondalab", "Onda diretta VHF"), Frmondadiretta::kName),
             sub("mnusegnali", TR("ondalab", "Segnali d'antenna"),
                 {modal("mnusegnalidipolo", TR("ondalab", "da dipolo"), Frmsegnalidipolo::kName),
                  modal("mnusegnaligenerica", TR("ondalab", "da ant.generica"),
                        Frmsegnaligenerica::kName)})}),
        sub("mnulinee", TR("ondalab", "&Linee"),
            {modeless("mnuadattatori", TR("ondalab", "Adattattori Imp.za"), Frmadattatori::kName),
             modal("mnugammamatch", TR("ondalab", "Gamma match"), Frmgammamatch::kName),
             modal("mnuros", TR("ondalab", "R.O.S."), Frmros::kName),
             modal("mnubalunchoke", TR("ondalab", "Balun Choke"), Frmbalunchoke::kName),
             modal("mnugradi", TR("ondalab", "Gradi Elettrici"), Frmgradi::kName),
             modal("mnuimpedenza", TR("ondalab", "Imp.linea coax"), Frmimpedenza::kName),
             modal("mnulineebifilari", TR("ondalab", "Imp.linea bifilare"), Frmlineebifilari::kName),
             modal("mnulunghezza", TR("ondalab", "Lung.Elettrica"), Frmlungelettrica::kName)}),
        sub("mnucapacità", TR("ondalab", "&Condensatori"),
            {modal("mnucondensatori", TR("ondalab", "C/serie"), Frmcondensatori::kName),
             modal("mnuripple", TR("ondalab", "C/anti ripple"), Frmripple::kName),
             modal("mnucostrcondensatori", TR("ondalab", "Costr.condensatori"),
                   Frmcostruzionecondensatori::kName)}),
        sub("mnures", TR("ondalab", "&Resistenze"),
            {modal("mnuresistenze", TR("ondalab", "R/parallelo"), Frmresistenze::kName),
             modal("mnupartitori", TR("ondalab", "Partitori resist."), Frmpartitori::kName),
             modal("mnuattenuatorires", TR("ondalab", "Attenuatori resistivi"), Frmattenuatorires::kName),
             modal("mnureszener", TR("ondalab", "Res.per Zener"), Frmreszener::kName)}),
        sub("mnutransistor", TR("ondalab", "Transistor"),
            {modal("mnucommonemitter", TR("ondalab", "Common Emitter"), Frmpolarizztransistor::kName)}),
        modal("mnutrasformatori", TR("ondalab", "&Trasformatori"), Frmtrasformatori::kName),
        sub("mnuvarie", TR("ondalab", "&Varie"),
            {modal("mnudizionario", TR("ondalab", "Dizionario"), Frmdizionario::kName),
             modal("mnupeso", TR("ondalab", "Peso specifico"), Frmpeso::kName),
             modal("mnumisureInglesi", TR("ondalab", "Pollici Inglesi"), Frmmisureinglesi::kName),
             modal("mnuprefissi", TR("ondalab", "Prefissi moltiplicativi"), Frmprefissi::kName),
             modal("mnuresistività", TR("ondalab", "Resistività"), Frmresistivita::kName),
             modal("mnusezione", TR("ondalab", "Sezione filo"), Frmsezione::kName),
             sub("mnustrumenti", TR("ondalab", "Strumenti"),
                 {modal("mnuamperometro", TR("ondalab", "shunt per amp."), Frmshunt::kName),
                  modal("mnuvoltmetro", TR("ondalab", "estens.voltm."), Frmvoltmetro::kName)}),
             modal("mnutemperatura", TR("ondalab", "Temperatura"), Frmtemperatura::kName)}),
        modal("mnuinfo", TR("ondalab", "Leggimi"), Frmabaut::kName),
    };
}

}  // namespace ondalab
