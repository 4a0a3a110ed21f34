// The formulas of the computation as the design report prints them, in the
// symbols of the result tables. Each is the formula the engine computes
// (core/hydrology): a checker recomputes the tables from them. Constants are
// written with the given decimal separator.
#pragma once

#include "core/report/FormulaTree.h"

#include <vector>

namespace hydrim::report {

// is = a·H1dN·ts^(−c) and Hs = ts·is: the design rain.
FormulaNode RainIntensityFormula();
FormulaNode RainDepthFormula();
// CNPVP of the antecedent moisture group 1, 2 or 3.
FormulaNode CurveNumberFormula(int group, char separator);
// A = 25.4·(1000/CNPVP − 10).
FormulaNode RetentionFormula(char separator);
// r = (H1dN/H1d100)^e and e = 9.8992·N^(−0.3035).
FormulaNode AbstractionFactorFormula();
FormulaNode AbstractionExponentFormula(char separator);
// Ho = (Hs − Ia)² / (Hs − Ia + A).
FormulaNode RunoffDepthFormula();
// Lp = B·√(1 + Iu²/(Iu² + Is²)) and K = 1915.71·γ·Lp/√Is.
FormulaNode FlowPathFormula();
FormulaNode FlowCoefficientFormula(char separator);
// tr = √(K/ie).
FormulaNode EquilibriumTimeFormula();
// max iso = Ho²/K.
FormulaNode BelowEquilibriumFormula();
// Qmax = 16.67·max iso·Ss, with the Variant III ratio te/tr when scaled.
FormulaNode PeakFormula(char separator, bool scaled);
// W = 1000·Ss·HW.
FormulaNode VolumeFormula();
// The critical-duration search at a trial duration t: Hs = a·H1dN·t^b,
// te = t − t^c·Ia/(a·H1dN), and the equilibrium test.
FormulaNode TrialDepthFormula();
FormulaNode TrialExcessFormula();
FormulaNode EquilibriumTestFormula();
// W1d = 1000·Ss·(H1dN − Ia)²/(H1dN − Ia + A).
FormulaNode DailyVolumeFormula();
// q(k) = Qmax·(k/tv)^m·exp(m·(1 − k/tv)).
FormulaNode OrdinateFormula();
// 60·Σ q(k) ≤ W − 60·tk·Qmax, k = 1 … kp.
FormulaNode ShapeCondition();
// The catchment of two slopes: Qmax (the maximum of the search when searched,
// else the sum), W, tv, tk, tp and TPV.
std::vector<FormulaNode> CatchmentFormulas(bool searched);

} // namespace hydrim::report
