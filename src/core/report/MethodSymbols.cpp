#include "core/report/MethodSymbols.h"

namespace hydrim::report {

const std::vector<MethodSymbol>& MethodSymbols() {
    static const std::vector<MethodSymbol> symbols = {
        {" S", "plocha povodí", "[km2]"},
        {" Ss", "plocha svahu", "[km2]"},
        {" Is", "sklon svahu", "[%]"},
        {" g", "drsnost povrchu svahu", "[s]"},
        {" Lu", "délka údolnice", "[km]"},
        {" Iu", "sklon údolnice", "[%]"},
        {" CN", "číslo odtokové křivky CN", ""},
        {" CNPVP", "číslo CN upravené podle PVP", ""},
        {" N", "doba opakování", "[roky]"},
        {" H1dN", "1-denní maximální srážkový úhrn pro N", "[mm]"},
        {" H1d100", "1-denní maximální srážkový úhrn pro N=100", "[mm]"},
        {" a", "součinitel redukce 1-denního úhrnu (par.tab)", ""},
        {" b", "exponent úhrnu srážky (par.tab)", ""},
        {" c", "exponent intenzity srážky (par.tab)", ""},
        {" t", "doba trvání zkoušené srážky", "[min]"},
        {" A", "potenciální retence", "[mm]"},
        {" Ia", "počáteční ztráta", "[mm]"},
        {" r", "součinitel počáteční ztráty", ""},
        {" e", "exponent součinitele počáteční ztráty", ""},
        {" B", "šířka svahu", "[km]"},
        {" Lp", "délka dráhy plošného odtoku", "[km]"},
        {" K", "součinitel doby odtoku ze svahu", "[mm.min]"},
        {" tsk", "kritická doba trvání srážky", "[min]"},
        {" isk", "intenzita srážky při tsk", "[mm.min-1]"},
        {" Hsk", "úhrn srážky při tsk", "[mm]"},
        {" t0k", "doba do počátku odtoku při tsk", "[min]"},
        {" tek", "doba trvání efektivní srážky při tsk", "[min]"},
        {" iek", "intenzita efektivní srážky při tsk", "[mm.min-1]"},
        {" Hok", "výška odtoku při tsk", "[mm]"},
        {" ts", "doba trvání návrhové srážky", "[min]"},
        {" is", "intenzita návrhové srážky", "[mm.min-1]"},
        {" Hs", "úhrn návrhové srážky", "[mm]"},
        {" t0", "doba do počátku odtoku", "[min]"},
        {" te", "doba trvání efektivní srážky", "[min]"},
        {" ie", "intenzita efektivní srážky", "[mm.min-1]"},
        {" Ho", "výška odtoku", "[mm]"},
        {" tr", "doba dosažení rovnováhy odtoku", "[min]"},
        {" ir", "intenzita odtoku při rovnováze", "[mm.min-1]"},
        {" HW", "výška odtoku pro objem PV", "[mm]"},
        {" max iso", "maximální intenzita svahového odtoku", "[mm.min-1]"},
        {" Qmax", "kulminační průtok", "[m3.s-1]"},
        {" W", "objem PV", "[m3]"},
        {" tv", "doba vzestupu PV", "[min]"},
        {" tk", "doba trvání kulminace PV", "[min]"},
        {" tp", "doba poklesu PV", "[min]"},
        {" TPV", "celková doba trvání PV", "[min]"},
        {" W1d", "objem PV vyvolané H1dN", "[m3]"},
        {" tv1d", "doba vzestupu PV vyvolané H1dN", "[min]"},
        {" tk1d", "doba trvání kulminace PV vyvolané H1dN", "[min]"},
        {" tp1d", "doba poklesu PV vyvolané H1dN", "[min]"},
        {" TPV1d", "celková doba trvání PV vyvolané H1dN", "[min]"},
        {" q", "průtok hydrogramu v minutě k", "[m3.s-1]"},
        {" k", "minuta vzestupu nebo poklesu PV", "[min]"},
        {" kp", "minuta, ve které pokles PV končí", "[min]"},
        {" m", "exponent tvaru hydrogramu", ""},
    };
    return symbols;
}

const MethodSymbol* FindMethodSymbol(std::string_view symbol) {
    for (const MethodSymbol& entry : MethodSymbols()) {
        if (symbol == entry.symbol) {
            return &entry;
        }
    }
    return nullptr;
}

const std::vector<std::string>& MethodReferences() {
    static const std::vector<std::string> references = {
        std::string("Hrádek, F., Kovář, P.: Výpočet náhradních intenzit přívalových dešťů. Vodní "
                    "hospodářství, 1994, č. 11."),
        std::string("Tomasů, M.: bakalářská práce. ČVUT v Praze, 2013 (tabulka součinitelů redukce "
                    "1-denních úhrnů)."),
        std::string("Landa, M., Kavka, P., Strouhal, L.: A GIS tool for reduction day precipitation to "
                    "subday. FOSS4G-Europe, 2015."),
        std::string("USDA NRCS: Urban Hydrology for Small Watersheds. Technical Release 55 (TR-55), 1986: "
                    "tabulky 2-2a až 2-2c (čísla CN, soubor CNcistab.tab), příloha A (hydrologické "
                    "skupiny půd, soubor HSP.tab)."),
        std::string("USDA: National Engineering Handbook, Section 4 – Hydrology (NEH-4): skupiny "
                    "předchozích vláhových podmínek."),
        std::string("GISMentors: QGIS pro pokročilé uživatele, 2016, repozitář GISMentors/qgis-pokrocily, "
                    "soubor data/hydro/tabulky/hpj_hydrsk.csv, licence CC BY-SA 4.0 (hydrologické "
                    "skupiny hlavních půdních jednotek, soubor BPEJtab.tab)."),
    };
    return references;
}

} // namespace hydrim::report
