#include "core/report/ReportMethod.h"

#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/VariantI.h"
#include "core/report/MethodSymbols.h"
#include "core/report/ReportFormulas.h"
#include "core/report/ReportText.h"

#include <algorithm>

namespace hydrim::report {

namespace {

std::string BandText(int band, int duration) {
    switch (band) {
    case 1:
        return std::string("pásmo 10–40 min");
    case 2:
        return std::string("pásmo 41–120 min");
    default:
        return duration < 10 ? std::string("pásmo pod 10 min") : std::string("pásmo nad 120 min");
    }
}

MethodFacts::Coefficients CoefficientsOf(const ParTable& par, int returnPeriod, int duration) {
    const int band = DurationBand(duration);
    const int group = std::clamp(ReturnPeriodGroup(returnPeriod), 1, 8);
    const auto& record = par.at(group, band);
    return {returnPeriod, duration, band, record[0] / 1000.0, record[1] / 1000.0, record[2] / 1000.0};
}

// Builds the items in reading order, numbering the formulas.
class MethodWriter {
public:
    explicit MethodWriter(const MethodFacts& facts) : facts_(facts) {}

    std::vector<MethodItem> write() {
        steps();
        rain();
        losses();
        slopeRunoff();
        if (facts_.variant == 0) {
            variantI();
        } else {
            variantIIorIII();
        }
        hydrograph();
        if (facts_.twoSlopes) {
            catchment();
        }
        symbolList();
        references();
        return std::move(items_);
    }

private:
    // Numbers written with the result tables' decimal separator.
    std::string local(std::string text) const {
        return LocalDecimals(std::move(text), facts_.decimalSeparator);
    }
    std::string number(double value, int decimals) const {
        return Fixed(value, decimals, facts_.decimalSeparator);
    }
    FormulaNode num(const char* text) const { return F(local(text)); }

    void add(MethodItem::Kind kind, const std::string& text, FormulaNode node = {}, int number = 0) {
        MethodItem item;
        item.kind = kind;
        item.text = text;
        item.formula = std::move(node);
        item.number = number;
        items_.push_back(std::move(item));
    }
    void heading(const std::string& text) { add(MethodItem::Heading, text); }
    void paragraph(const std::string& text) { add(MethodItem::Paragraph, text); }
    // Returns the formula's number.
    int formula(FormulaNode node, const std::string& note = {}) {
        add(MethodItem::Formula, note, std::move(node), ++number_);
        return number_;
    }
    static std::string ref(int number) { return "(" + std::to_string(number) + ")"; }

    static std::string slopeName(bool right) {
        return right ? std::string("pravý svah") : std::string("levý svah");
    }

    void steps() {
        heading(std::string("Postup výpočtu"));
        const std::string slopes =
            facts_.twoSlopes ? std::string("Povodí tvoří dva svahy, levý a pravý, odvodňované do údolnice.")
                             : std::string("Povodí tvoří jeden svah odvodňovaný do údolnice.");
        if (facts_.variant == 0) {
            paragraph(slopes +
                      std::string(" Varianta I: pro každou dobu opakování {N} = 5, 10, 20, 50 a 100 let se z "
                                  "1-denního úhrnu {H1dN} odvodí kritický déšť svahu a z něj návrhový déšť, "
                                  "omezený na 300 min") +
                      (facts_.twoSlopes ? std::string("; návrhové deště obou svahů se sloučí ve společný "
                                                      "návrhový déšť povodí.")
                                        : std::string(".")));
        } else if (facts_.variant == 1) {
            paragraph(slopes +
                      Arg(local(std::string(" Varianta II: déšť zadané doby trvání {ts} = %1 min s dobou "
                                            "opakování {N} = %2 let; jeho intenzita {is} se odvodí "
                                            "z 1-denního úhrnu {H1dN}. Kritická doba trvání {tsk} "
                                            "rozhodne, zda svah při zadaném dešti dosáhne rovnováhy.")),
                          {std::to_string(facts_.duration), std::to_string(facts_.returnPeriod)}));
        } else {
            paragraph(slopes +
                      Arg(local(std::string(" Varianta III: déšť zadané doby trvání {ts} = %1 min a zadané "
                                            "intenzity {is} = %2 mm/min. Déšť se neodvozuje "
                                            "z 1-denních úhrnů ani z doby opakování ({H1dN} ani {N} "
                                            "se nepoužijí) a počáteční ztráta se nesnižuje "
                                            "({r} = 1).")),
                          {std::to_string(facts_.duration), number(facts_.intensity, 3)}));
        }
    }

    void rain() {
        heading(std::string("Návrhová srážka"));
        if (facts_.variant == 2) {
            rainDepth_ = formula(RainDepthFormula());
            return;
        }
        paragraph(Arg("1-denní maximální srážkové úhrny {H1dN}: %1. Srážka doby trvání {ts} se z nich "
                      "odvodí redukcí podle [1]; součinitel {a} a exponenty {b}, {c} jsou hodnoty "
                      "souboru par.tab dodaného s programem [1–3] pro dobu opakování {N} a pásmo "
                      "doby trvání 10–40, 41–120 a nad 120 min.",
                      {facts_.rainfallSource}));
        rainIntensity_ = formula(RainIntensityFormula());
        rainDepth_ = formula(RainDepthFormula());
        std::vector<std::string> used;
        for (const MethodFacts::Coefficients& k : facts_.coefficients) {
            used.push_back(
                Arg("{N} = %1 let, {ts} = %2 min (%3): {a} = %4, {b} = %5, {c} = %6",
                    {std::to_string(k.returnPeriod), std::to_string(k.duration), BandText(k.band, k.duration),
                     number(k.a, 3), number(k.b, 3), number(k.c, 3)}));
        }
        if (!used.empty()) {
            paragraph(std::string("Součinitele návrhových srážek tohoto projektu: ") + Join(used, "; ") +
                      std::string("."));
        }
    }

    void losses() {
        heading(std::string("Počáteční ztráta a výška odtoku (metoda čísel CN [4])"));
        paragraph(std::string("Číslo {CN} se upraví podle skupiny předchozích vláhových podmínek (PVP, [5]); "
                              "vyjde-li {CNPVP} nad 100, bere se 100:"));
        for (int group = 1; group <= 3; ++group) {
            formula(CurveNumberFormula(group, facts_.decimalSeparator),
                    Arg("skupina PVP %1", {std::to_string(group)}));
        }
        std::string groups =
            facts_.twoSlopes
                ? Arg("V tomto projektu: levý svah skupina %1, pravý svah "
                      "skupina %2.",
                      {std::to_string(facts_.curveTypes[0]), std::to_string(facts_.curveTypes[1])})
                : Arg("V tomto projektu: skupina %1.", {std::to_string(facts_.curveTypes[0])});
        paragraph(groups);
        formula(RetentionFormula(facts_.decimalSeparator));
        if (facts_.variant == 2) {
            formula(Seq({Sym(" Ia"), F(std::string(" = ")), num("0.2·"), Sym(" A")}));
        } else {
            formula(Seq(
                {Sym(" Ia"), F(std::string(" = ")), num("0.2·"), Sym(" r"), F(std::string("·")), Sym(" A")}));
            formula(AbstractionFactorFormula());
            formula(AbstractionExponentFormula(facts_.decimalSeparator));
        }
        runoffDepth_ = formula(RunoffDepthFormula());
        ponding_ = formula(Seq({Sym(" t0"), F(std::string(" = ")), Frac(Sym(" Ia"), Sym(" is"))}),
                           std::string("zaokrouhleno na celé minuty, polovina k sudému číslu"));
        excess_ =
            formula(Seq({Sym(" te"), F(std::string(" = ")), Sym(" ts"), F(std::string(" − ")), Sym(" t0")}));
        excessIntensity_ = formula(Seq({Sym(" ie"), F(std::string(" = ")), Frac(Sym(" Ho"), Sym(" te"))}));
    }

    void slopeRunoff() {
        heading(std::string("Odtok ze svahu"));
        formula(Seq({Sym(" B"), F(std::string(" = ")), Frac(Sym(" Ss"), Sym(" Lu"))}));
        formula(FlowPathFormula());
        formula(FlowCoefficientFormula(facts_.decimalSeparator));
        equilibrium_ =
            formula(EquilibriumTimeFormula(), std::string("zaokrouhleno na celé minuty, nejméně 1 min"));
        formula(Seq({Sym(" ir"), F(std::string(" = ")), Frac(Sym(" K"), Pow(Sym(" tr"), std::string("2")))}));
        paragraph(
            std::string("Maximální intenzita svahového odtoku svahu, který při dešti dosáhne rovnováhy, "
                        "a svahu, který jí nedosáhne:"));
        atEquilibrium_ = formula(Seq({Sym(" max iso"), F(std::string(" = ")), Sym(" ie")}),
                                 std::string("svah v rovnováze"));
        belowEquilibrium_ =
            formula(BelowEquilibriumFormula(),
                    std::string("svah bez rovnováhy; vyjde-li více než 2·{ie}, bere se {ie}"));
        peak_ = formula(PeakFormula(facts_.decimalSeparator, false));
        formula(Seq({Sym(" HW"), F(std::string(" = ")), Sym(" Ho")}));
        formula(VolumeFormula());
    }

    void criticalSearch() {
        paragraph(Arg(
            local(std::string("Kritická doba trvání {tsk} svahu je nejkratší doba {t} = 10, 11, 12, … min "
                              "(nejvýše 20 001 min), při které srážka doby opakování {N} splní "
                              "podmínku rovnováhy %1 se součiniteli {a}, {b}, {c} pro pásmo doby {t}; "
                              "úhrn a doba efektivní srážky se v ní počítají bez zaokrouhlení:")),
            {ref(number_ + 3)}));
        formula(TrialDepthFormula());
        formula(TrialExcessFormula());
        formula(EquilibriumTestFormula());
        paragraph(Arg("Hodnoty kritické srážky {tsk}, {isk}, {Hsk}, {t0k}, {tek}, {iek} a {Hok} jsou "
                      "hodnoty vzorců %1, %2, %3, %4, %5 a %6 pro {ts} = {tsk}.",
                      {ref(rainIntensity_), ref(rainDepth_), ref(ponding_), ref(excess_),
                       ref(excessIntensity_), ref(runoffDepth_)}));
    }

    void variantI() {
        heading(std::string("Kritický a návrhový déšť (varianta I)"));
        criticalSearch();
        paragraph(
            Arg("Je-li {tsk} ≤ 300 min, je návrhovým deštěm svahu kritický déšť ({ts} = {tsk}) a "
                "svah je v rovnováze: {tr} = {te}, {ir} = {ie}, {max iso} podle %1. Je-li "
                "{tsk} > 300 min, návrhový déšť se omezí na {ts} = 300 min a svah při něm "
                "rovnováhy nedosáhne: {tr} a {ir} podle %2 a %3, {max iso} podle %4. "
                "Hydrogram svahu: {tv} = {te}, {tk} = 0.",
                {ref(atEquilibrium_), ref(equilibrium_), ref(equilibrium_ + 1), ref(belowEquilibrium_)}));
        cap();
        paragraph(std::string("Hydrogram PV vyvolané {H1dN} nese odtok celého 1-denního úhrnu: má {Qmax}, "
                              "{tv1d} = {tv} a {tk1d} = {tk} hydrogramu návrhové srážky, {tp1d} a {TPV1d} "
                              "podle oddílu Hydrogram PV s objemem {W1d} místo {W}:"));
        formula(DailyVolumeFormula());
    }

    // The 300-minute cap of the design rain and what it did to this project.
    void cap() {
        if (facts_.capped.empty()) {
            paragraph(
                facts_.twoSlopes
                    ? std::string("V tomto projektu nepřesáhla {tsk} žádného svahu 300 min: omezení "
                                  "návrhové srážky se neuplatnilo.")
                    : std::string("V tomto projektu nepřesáhla {tsk} 300 min: omezení návrhové srážky se "
                                  "neuplatnilo a návrhový déšť je kritický déšť ({ts} = {tsk})."));
            return;
        }
        std::vector<std::string> cases;
        for (const MethodFacts::CappedRain& c : facts_.capped) {
            std::string text = Arg("{N} = %1 let", {std::to_string(c.returnPeriod)});
            if (facts_.twoSlopes) {
                text += Arg(", %1: {tsk} = %2 min, návrhový déšť svahu 300 min, společný návrhový "
                            "déšť povodí {ts} = %3 min",
                            {slopeName(c.right), std::to_string(c.criticalDuration),
                             std::to_string(c.designDuration)});
            } else {
                text += Arg(": {tsk} = %1 min, {ts} = %2 min",
                            {std::to_string(c.criticalDuration), std::to_string(c.designDuration)});
            }
            cases.push_back(text);
        }
        paragraph(
            std::string("Omezení návrhové srážky na 300 min se v tomto projektu uplatnilo: ") +
            Join(cases, "; ") + std::string(". Návrhový déšť ") +
            (facts_.twoSlopes ? std::string("těchto svahů") : std::string("svahu")) +
            std::string(" je tedy kratší než kritický: {Qmax}, {W} a hydrogram v tabulkách patří návrhové "
                        "srážce {ts}, řádky kritické srážky ({tsk} až {Hok}) delší kritické srážce."));
    }

    void variantIIorIII() {
        if (facts_.variant == 1) {
            heading(std::string("Kritický déšť a rovnováha svahu (varianta II)"));
            criticalSearch();
            paragraph(Arg("Je-li zadaná {ts} kratší než {tsk}, svah rovnováhy nedosáhne a {max iso} je "
                          "podle %1, jinak podle %2. Oba svahy mají tutéž srážku se součiniteli pro "
                          "pásmo doby {ts}.",
                          {ref(belowEquilibrium_), ref(atEquilibrium_)}));
        } else {
            heading(std::string("Rovnováha svahu a kulminační průtok (varianta III)"));
            paragraph(Arg("Je-li {te} < {tr}, svah rovnováhy nedosáhne a {max iso} je podle %1, jinak "
                          "podle %2. Kulminační průtok se násobí poměrem {te}/{tr}:",
                          {ref(belowEquilibrium_), ref(atEquilibrium_)}));
            const int scaled = formula(PeakFormula(facts_.decimalSeparator, true));
            paragraph(Arg(
                local(std::string("Vyjde-li pak objem mimo kulminaci {W} − 60·{tk}·{Qmax} menší než 5 m³, "
                                  "platí {Qmax} podle %1 místo %2.")),
                {ref(peak_), ref(scaled)}));
        }
        paragraph(Arg("Hydrogram svahu: {tv} = min({te}, {tr}), {tk} = {te} − {tv}. Doba trvání srážky "
                      "je zadána ({ts} = %1 min); omezení návrhové srážky na 300 min, které platí ve "
                      "variantě I, se neuplatní.",
                      {std::to_string(facts_.duration)}));
    }

    void hydrograph() {
        heading(std::string("Hydrogram PV"));
        paragraph(
            local(std::string("Od počátku srážky je průtok po dobu {t0} nulový; pak stoupá po dobu {tv} "
                              "ke kulminaci {Qmax}, drží ji po dobu {tk} a klesá po dobu {tp}. Průtok "
                              "v minutě {k} = 1, 2, … vzestupu a poklesu:")));
        const int ordinate = formula(OrdinateFormula());
        paragraph(
            Arg(local(std::string("Exponent tvaru {m} je nejmenší číslo o třech desetinných místech (liší-li "
                                  "se pak objem od cíle o více než 0.5 m³, o čtyřech, případně pěti), při "
                                  "kterém objem hydrogramu %1 nepřesáhne objem PV bez kulminace; součet "
                                  "končí minutou {kp}, první po kulminaci ({kp} > {tv}) s průtokem "
                                  "{q}({kp}) ≤ 0.005 m³/s:")),
                {ref(ordinate)}));
        formula(ShapeCondition());
        formula(Seq({Sym(" tp"), F(std::string(" = ")), Sym(" kp"), F(std::string(" − ")), Sym(" tv")}));
        formula(Seq({Sym(" TPV"), F(std::string(" = ")), Sym(" tv"), F(std::string(" + ")), Sym(" tk"),
                     F(std::string(" + ")), Sym(" tp")}));
    }

    void catchment() {
        heading(std::string("Povodí ze dvou svahů"));
        const bool searched = facts_.variant == 0;
        if (searched) {
            paragraph(
                Arg("Společný návrhový déšť povodí: pro každou dobu {t} od kratší do delší z návrhových "
                    "dob trvání obou svahů (obě včetně) se sečtou {Qmax} obou svahů, svah s kratší "
                    "návrhovou dobou v rovnováze %1, druhý bez rovnováhy %2 (při shodných dobách je v "
                    "rovnováze pravý svah). {ts} povodí je první {t} s největším součtem, {Qmax} povodí je "
                    "tento součet. Jsou-li obě návrhové doby 300 min, {ts} = 300 min. Oba svahy se pak "
                    "přepočtou při {ts} povodí: {tr} podle %3, {tv} = min({te}, {tr}), {tk} = {te} − {tv}, "
                    "{max iso} podle %2, je-li {ts} < {tsk}, jinak podle %1.",
                    {ref(atEquilibrium_), ref(belowEquilibrium_), ref(equilibrium_)}));
        }
        for (FormulaNode& node : CatchmentFormulas(searched)) {
            formula(std::move(node));
        }
        paragraph(
            std::string("Graf hydrogramu povodí sčítá průtoky obou svahů minutu po minutě do konce "
                        "delšího z obou hydrogramů; kulminují-li svahy v různých minutách, je jeho vrchol "
                        "nižší než {Qmax} povodí v tabulce."));
    }

    void symbolList() {
        std::vector<std::string> used;
        for (const MethodItem& item : items_) {
            CollectSymbols(item.formula, used);
            for (const FormulaNode& word : InlineWords(item.text)) {
                CollectSymbols(word, used);
            }
        }
        heading(std::string("Značky"));
        for (const MethodSymbol& symbol : MethodSymbols()) {
            const std::string markup = symbol.symbol;
            if (std::find(used.begin(), used.end(), markup) != used.end()) {
                MethodItem row;
                row.kind = MethodItem::SymbolRow;
                row.symbol = markup;
                row.meaning = symbol.meaning;
                row.unit = symbol.unit;
                items_.push_back(row);
            }
        }
    }

    void references() {
        heading(std::string("Literatura a zdroje tabulek"));
        int n = 0;
        for (const std::string& reference : MethodReferences()) {
            add(MethodItem::Reference, reference, {}, ++n);
        }
    }

    const MethodFacts& facts_;
    std::vector<MethodItem> items_;
    int number_ = 0;
    int rainIntensity_ = 0, rainDepth_ = 0, runoffDepth_ = 0, ponding_ = 0, excess_ = 0, excessIntensity_ = 0;
    int equilibrium_ = 0, atEquilibrium_ = 0, belowEquilibrium_ = 0, peak_ = 0;
};

} // namespace

MethodFacts MethodFactsOf(const AppState& state, const std::string& rainfallSource) {
    const ProjectTexts& texts = state.CurrentProject.Texts;
    MethodFacts facts;
    facts.variant = state.LastResultVariantI ? 0 : Variant23Number(texts) - 1;
    facts.twoSlopes = state.LastResultVariantI ? state.TwoSlopes : HasTwoSlopes(texts);
    facts.decimalSeparator = state.LocaleDecimalSeparator;
    facts.rainfallSource = rainfallSource;
    facts.curveTypes = {state.Inputs.CnTypeL, state.Inputs.CnTypeR};
    if (facts.variant == 0) {
        const VariantIResults& r = state.VariantI;
        for (size_t i = 1; i < ReturnPeriods.size(); ++i) {
            const int n = ReturnPeriods[i];
            // A return period the computation did not reach (no runoff) used no rain.
            if (r.RainDurationC[i] > 0) {
                facts.coefficients.push_back(CoefficientsOf(state.Par, n, r.RainDurationC[i]));
            }
            if (r.CriticalDurationL[i] > DesignRainCap) {
                facts.capped.push_back({n, false, r.CriticalDurationL[i], r.RainDurationC[i]});
            }
            if (facts.twoSlopes && r.CriticalDurationR[i] > DesignRainCap) {
                facts.capped.push_back({n, true, r.CriticalDurationR[i], r.RainDurationC[i]});
            }
        }
        return facts;
    }
    facts.duration = state.Inputs.DurationL;
    if (facts.variant == 1) {
        facts.returnPeriod = state.Inputs.ReturnPeriod;
        if (facts.duration > 0) {
            facts.coefficients.push_back(CoefficientsOf(state.Par, facts.returnPeriod, facts.duration));
        }
    } else {
        facts.intensity = state.Inputs.IntensityL;
    }
    return facts;
}

std::vector<MethodItem> MethodSection(const MethodFacts& facts) {
    return MethodWriter(facts).write();
}

} // namespace hydrim::report
