#include "core/report/ReportFormulas.h"

#include "core/report/ReportText.h"

namespace hydrim::report {

namespace {

FormulaNode Num(const char* text, char separator) {
    std::string written(text);
    for (char& c : written) {
        if (c == '.') {
            c = separator;
        }
    }
    return F(written);
}

FormulaNode Is() {
    return F(std::string(" = "));
}
FormulaNode Minus() {
    return F(std::string(" − "));
}
FormulaNode Plus() {
    return F(std::string(" + "));
}
FormulaNode Times() {
    return F(std::string("·"));
}
FormulaNode Squared(const char* symbol) {
    return Pow(Sym(symbol), std::string("2"));
}

// (P − Ia)² / (P − Ia + A) for a rain depth P.
FormulaNode RunoffOf(FormulaNode depth) {
    return Frac(Pow(Paren(Seq({depth, Minus(), Sym(" Ia")})), std::string("2")),
                Seq({depth, Minus(), Sym(" Ia"), Plus(), Sym(" A")}));
}

// "W (povodí)", "W (levý svah)": a quantity of the catchment or of a slope.
FormulaNode Of(const char* symbol, const char* where) {
    return Seq({Sym(symbol), F(Arg(" (%1)", {where}))});
}

FormulaNode BothSlopes(const char* symbol, const char* join) {
    return Seq({Of(symbol, "levý svah"), F(join), Of(symbol, "pravý svah")});
}

} // namespace

FormulaNode RainIntensityFormula() {
    return Seq(
        {Sym(" is"), Is(), Sym(" a"), Times(), Sym(" H1dN"), Times(), Pow(Sym(" ts"), std::string("−c"))});
}

FormulaNode RainDepthFormula() {
    return Seq({Sym(" Hs"), Is(), Sym(" ts"), Times(), Sym(" is")});
}

FormulaNode CurveNumberFormula(int group, char separator) {
    const FormulaNode left = Seq({Sym(" CNPVP"), Is()});
    if (group == 1) {
        return Seq({left, Frac(Sym(" CN"), Seq({Num("2.334", separator), Minus(), Num("0.01334·", separator),
                                                Sym(" CN")}))});
    }
    if (group == 3) {
        return Seq({left, Frac(Sym(" CN"), Seq({Num("0.4036", separator), Plus(), Num("0.0059·", separator),
                                                Sym(" CN")}))});
    }
    return Seq({left, Sym(" CN")});
}

FormulaNode RetentionFormula(char separator) {
    return Seq({Sym(" A"), Is(), Num("25.4·", separator),
                Paren(Seq({Frac(F(std::string("1000")), Sym(" CNPVP")), Minus(), F(std::string("10"))}))});
}

FormulaNode AbstractionFactorFormula() {
    return Seq({Sym(" r"), Is(), Pow(Paren(Frac(Sym(" H1dN"), Sym(" H1d100"))), std::string("e"))});
}

FormulaNode AbstractionExponentFormula(char separator) {
    return Seq(
        {Sym(" e"), Is(), Num("9.8992·", separator), Pow(Sym(" N"), LocalDecimals("−0.3035", separator))});
}

FormulaNode RunoffDepthFormula() {
    return Seq({Sym(" Ho"), Is(), RunoffOf(Sym(" Hs"))});
}

FormulaNode FlowPathFormula() {
    return Seq({Sym(" Lp"), Is(), Sym(" B"), Times(),
                Sqrt(Seq({F(std::string("1")), Plus(),
                          Frac(Squared(" Iu"), Seq({Squared(" Iu"), Plus(), Squared(" Is")}))}))});
}

FormulaNode FlowCoefficientFormula(char separator) {
    return Seq({Sym(" K"), Is(), Num("1915.71·", separator),
                Frac(Seq({Sym(" g"), Times(), Sym(" Lp")}), Sqrt(Sym(" Is")))});
}

FormulaNode EquilibriumTimeFormula() {
    return Seq({Sym(" tr"), Is(), Sqrt(Frac(Sym(" K"), Sym(" ie")))});
}

FormulaNode BelowEquilibriumFormula() {
    return Seq({Sym(" max iso"), Is(), Frac(Squared(" Ho"), Sym(" K"))});
}

FormulaNode PeakFormula(char separator, bool scaled) {
    FormulaNode formula =
        Seq({Sym(" Qmax"), Is(), Num("16.67·", separator), Sym(" max iso"), Times(), Sym(" Ss")});
    if (scaled) {
        formula.children.push_back(Times());
        formula.children.push_back(Frac(Sym(" te"), Sym(" tr")));
    }
    return formula;
}

FormulaNode VolumeFormula() {
    return Seq({Sym(" W"), Is(), F(std::string("1000·")), Sym(" Ss"), Times(), Sym(" HW")});
}

FormulaNode TrialDepthFormula() {
    return Seq(
        {Sym(" Hs"), Is(), Sym(" a"), Times(), Sym(" H1dN"), Times(), Pow(Sym(" t"), std::string("b"))});
}

FormulaNode TrialExcessFormula() {
    return Seq({Sym(" te"), Is(), Sym(" t"), Minus(),
                Frac(Seq({Pow(Sym(" t"), std::string("c")), Times(), Sym(" Ia")}),
                     Seq({Sym(" a"), Times(), Sym(" H1dN")}))});
}

FormulaNode EquilibriumTestFormula() {
    return Seq(
        {Frac(Pow(Paren(Seq({Sym(" Hs"), Minus(), Sym(" Ia")})), std::string("2")),
              Seq({Paren(Seq({Sym(" Hs"), Minus(), Sym(" Ia"), Plus(), Sym(" A")})), Times(), Sym(" te")})),
         F(std::string(" ≥ ")), Frac(Sym(" K"), Squared(" te"))});
}

FormulaNode DailyVolumeFormula() {
    return Seq({Sym(" W1d"), Is(), F(std::string("1000·")), Sym(" Ss"), Times(), RunoffOf(Sym(" H1dN"))});
}

FormulaNode OrdinateFormula() {
    const FormulaNode ratio = Frac(Sym(" k"), Sym(" tv"));
    return Seq({Sym(" q"), F(std::string("(")), Sym(" k"), F(std::string(")")), Is(), Sym(" Qmax"), Times(),
                Pow(Paren(ratio), std::string("m")), Times(), F(std::string("exp")),
                Paren(Seq({Sym(" m"), Times(), Paren(Seq({F(std::string("1")), Minus(), ratio}))}))});
}

FormulaNode ShapeCondition() {
    return Seq({F(std::string("60·")), SumOf(Seq({Sym(" k"), F(std::string(" = 1"))}), Sym(" kp")), Sym(" q"),
                F(std::string("(")), Sym(" k"), F(std::string(")")), F(std::string(" ≤ ")), Sym(" W"),
                Minus(), F(std::string("60·")), Sym(" tk"), Times(), Sym(" Qmax")});
}

std::vector<FormulaNode> CatchmentFormulas(bool searched) {
    FormulaNode peakSum = BothSlopes(" Qmax", " + ");
    std::vector<FormulaNode> formulas;
    if (searched) {
        formulas.push_back(Seq({Of(" Qmax", "povodí"), Is(), F(std::string("max")), Paren(peakSum)}));
    } else {
        formulas.push_back(Seq({Of(" Qmax", "povodí"), Is(), peakSum}));
    }
    formulas.push_back(Seq({Of(" W", "povodí"), Is(), BothSlopes(" W", " + ")}));
    formulas.push_back(
        Seq({Of(" tv", "povodí"), Is(), F(std::string("max")), Paren(BothSlopes(" tv", "; "))}));
    formulas.push_back(
        Seq({Of(" tk", "povodí"), Is(), F(std::string("min")), Paren(BothSlopes(" tk", "; "))}));
    formulas.push_back(
        Seq({Of(" tp", "povodí"), Is(), F(std::string("max")), Paren(BothSlopes(" tp", "; "))}));
    formulas.push_back(Seq({Of(" TPV", "povodí"), Is(), Of(" tv", "povodí"), Plus(), Of(" tk", "povodí"),
                            Plus(), Of(" tp", "povodí")}));
    return formulas;
}

} // namespace hydrim::report
