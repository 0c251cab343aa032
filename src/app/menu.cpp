// The menu tree of the main window, in menu order: caption with its access
// key, the form each leaf opens and whether it is shown modally.
#include "app/main_window.h"

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
            {modal("mnuohm", "&Ohm", "frmleggediohm"),
             sub("mnudecibel", "Decibel",
                 {modal("mnudb", "Decibel", "frmdB"), modal("mnudbw", "dBWatt - dBmWatt", "frmdBW"),
                  modal("mnudbmicrovolt", "dBmicroVolt", "frmdBmicrovolt")}),
             modal("mnurms", "Volt R.M.S.", "frmvolt")}),
        sub("mnuinduttanza", "C&ircuiti L C",
            {sub("mnufiltri", "Filtri",
                 {modeless("mnufiltripassaalto", "Filtri passa alto", "frmpassaalto"),
                  modeless("mnufiltripassabasso", "Filtri passa basso", "frmpassabasso"),
                  modeless("mnufiltripassabanda", "Filtripassabanda", "frmpassabanda")}),
             modeless("mnuvalinduttanza", "Sintonia", "frmvalinduttanza"),
             modal("mnureattanza", "Reattanza", "frmreattanza"), modal("mnubobine", "Bobine per HF", "frmbobine"),
             modal("MNUBOBINEUHF", "Bobine per UHF", "frmbobineuhf"),
             modal("mnuRLC", "Circuiti RLC", "frmCircuitiRLC"),
             modeless("mnurisonanza", "Risonanza", "frmrisonanza"),
             modal("mnuimprisonanza", "Imped. a risonanza", "frmimprisonanza")}),
        sub("mnuantenne", "&Antenne",
            {sub("mnuantorizz", "Dipoli",
                 {modal("mnudipoli", "Dipoli 1/2 lambda", "frmdipoli"),
                  modeless("mnuantmultigamma", "Dipolo multigamma", "frmantmultigamma"),
                  modal("mnuantcoaxmulti", "Multigamma trapp.coax", "frmantcoaxmulti"),
                  modeless("mnuanttrappolata", "Dipolo accorciato", "frmtrappolata")}),
             sub("mnuantvert", "Verticali",
                 {modeless("mnuverticale", "Verticale accorciata", "frmvertaccorciata"),
                  modal("mnuAntAcc", "Accorciata alla base", "frmAntAcc"),
                  modal("mnucappello", "Cappello capacitivo", "frmcappello"),
                  modal("mnuantenna58", "Verticale 5/8 lambda", "frmantenna58"),
                  modal("mnuantennaj", "Verticale J", "frmantennaJ")}),
             modal("LoopAnt", "LoopAntenna", "frmloop"), modal("mnuondadiretta", "Onda diretta VHF", "frmondadiretta"),
             sub("mnusegnali", "Segnali d'antenna",
                 {modal("mnusegnalidipolo", "da dipolo", "frmsegnalidipolo"),
                  modal("mnusegnaligenerica", "da ant.generica", "frmsegnaligenerica")})}),
        sub("mnulinee", "&Linee",
            {modeless("mnuadattatori", "Adattattori Imp.za", "frmadattatori"),
             modal("mnugammamatch", "Gamma match", "frmgammamatch"), modal("mnuros", "R.O.S.", "frmros"),
             modal("mnubalunchoke", "Balun Choke", "frmbalunchoke"), modal("mnugradi", "Gradi Elettrici", "frmgradi"),
             modal("mnuimpedenza", "Imp.linea coax", "frmimpedenza"),
             modal("mnulineebifilari", "Imp.linea bifilare", "frmlineebifilari"),
             modal("mnulunghezza", "Lung.Elettrica", "frmlungelettrica")}),
        sub("mnucapacità", "&Condensatori",
            {modal("mnucondensatori", "C/serie", "frmcondensatori"), modal("mnuripple", "C/anti ripple", "frmripple"),
             modal("mnucostrcondensatori", "Costr.condensatori", "frmcostruzionecondensatori")}),
        sub("mnures", "&Resistenze",
            {modal("mnuresistenze", "R/parallelo", "frmresistenze"),
             modal("mnupartitori", "Partitori resist.", "frmpartitori"),
             modal("mnuattenuatorires", "Attenuatori resistivi", "frmattenuatorires"),
             modal("mnureszener", "Res.per Zener", "frmreszener")}),
        sub("mnutransistor", "Transistor", {modal("mnucommonemitter", "Common Emitter", "frmpolarizztransistor")}),
        modal("mnutrasformatori", "&Trasformatori", "frmtrasformatori"),
        sub("mnuvarie", "&Varie",
            {modal("mnudizionario", "Dizionario", "frmdizionario"), modal("mnupeso", "Peso specifico", "frmpeso"),
             modal("mnumisureInglesi", "Pollici Inglesi", "frmmisureinglesi"),
             modal("mnuprefissi", "Prefissi moltiplicativi", "frmprefissi"),
             modal("mnuresistività", "Resistività", "frmresistività"), modal("mnusezione", "Sezione filo", "frmsezione"),
             sub("mnustrumenti", "Strumenti",
                 {modal("mnuamperometro", "shunt per amp.", "frmshunt"),
                  modal("mnuvoltmetro", "estens.voltm.", "frmvoltmetro")}),
             modal("mnutemperatura", "Temperatura", "frmtemperatura")}),
        modal("mnuinfo", "Leggimi", "frmabaut"),
    };
}

}  // namespace ondalab
