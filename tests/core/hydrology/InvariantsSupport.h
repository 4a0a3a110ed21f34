// Random valid projects for the invariant tests: a seeded generator that
// types into the fields what the input window accepts (at most five
// characters, values within the window's ranges), spread wide enough to
// reach the edges of the physics (curve number 100, tiny or huge slopes,
// rains that hardly run off).
#pragma once

#include "core/project/InputCheck.h"
#include "core/project/ProjectData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace hydrim::test {

class ProjectGenerator {
public:
    explicit ProjectGenerator(unsigned seed) : random_(seed) {}

    // A project of the variant (0 = I, 1 = II, 2 = III) with one or two
    // slopes that passes the input check; the right-slope fields of a
    // one-slope project are left empty.
    Project Next(int variant, bool twoSlopes) {
        Project project;
        ProjectTexts& texts = project.Texts;
        texts.Variant = variant;
        texts.CatchmentType = twoSlopes ? 1 : 0;
        texts.Edit[EditValleyLength] = Number(LogUniform(0.05, 30.0));
        texts.Edit[EditValleySlope] = Number(LogUniform(0.1, 40.0));
        FillRainfall(project);
        FillSlope(texts, 0, texts.CnTypeItemL);
        if (twoSlopes) {
            FillSlope(texts, 7, texts.CnTypeItemR);
        }
        if (variant >= 1) {
            const std::string duration = std::to_string(Integer(10, 300));
            texts.Edit[EditDurationL] = duration;
            texts.Edit[EditDurationR] = twoSlopes ? duration : "";
        }
        if (variant == 2) {
            const std::string intensity = Number(LogUniform(0.02, 8.0));
            texts.Edit[EditIntensityL] = intensity;
            texts.Edit[EditIntensityR] = twoSlopes ? intensity : "";
        }
        return project;
    }

    // Values a user might have left in the right-slope fields of a
    // one-slope project (numbers, garbage, or nothing).
    void ScribbleRightSlope(ProjectTexts& texts) {
        static const char* const junk[] = {"", "0", "-5", "abc", "99999", "0.001", "1e9"};
        for (int k = EditAreaR; k <= EditIntensityR; ++k) {
            texts.Edit[static_cast<size_t>(k)] =
                Integer(0, 1) == 0 ? junk[Integer(0, 6)] : Number(LogUniform(0.01, 999.0));
        }
        texts.CnTypeItemR = Integer(-1, 2);
    }

    int Integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    double LogUniform(double low, double high) { return std::exp(Uniform(std::log(low), std::log(high))); }

    // A positive value as typed into a five-character field: as many
    // decimals as fit, never "0".
    static std::string Number(double value) {
        for (int decimals = 3; decimals >= 0; --decimals) {
            char text[32];
            std::snprintf(text, sizeof text, "%.*f", decimals, value);
            const std::string typed = text;
            if (typed.size() <= 5 && std::stod(typed) > 0.0) {
                return typed;
            }
        }
        return "0.01";
    }

    void FillRainfall(Project& project) {
        ProjectTexts& texts = project.Texts;
        RainfallTexts& rainfall = project.Rainfall;
        if (texts.Variant == 0) {
            // N = 5, 10, 20, 50, 100 years, each at least the one before.
            double rain = Uniform(10.0, 150.0);
            const int edits[] = {EditRainN, EditRain10, EditRain20, EditRain50, EditRain100};
            for (int k = 0; k < 5; ++k) {
                const std::string text = std::to_string(static_cast<int>(std::lround(rain)));
                texts.Edit[static_cast<size_t>(edits[k])] = text;
                rainfall.Texts[static_cast<size_t>(k + 1)] = text;
                rain = std::min(500.0, rain * Uniform(1.0, 1.4));
            }
            return;
        }
        if (texts.Variant == 1) {
            texts.ReturnPeriodItem = Integer(0, 5);
            const int rainN = Integer(10, 400);
            const int rain100 = texts.ReturnPeriodItem == 5 ? rainN : std::min(500, rainN + Integer(0, 100));
            texts.Edit[EditRainN] = std::to_string(rainN);
            texts.Edit[EditRain100] = std::to_string(rain100);
            rainfall.ReturnPeriodIndex = texts.ReturnPeriodItem;
            rainfall.Texts[static_cast<size_t>(texts.ReturnPeriodItem)] = texts.Edit[EditRainN];
            rainfall.Texts[5] = texts.Edit[EditRain100];
        }
    }

    // Slope fields at offset 0 (left) or 7 (right).
    void FillSlope(ProjectTexts& texts, int offset, int& cnTypeItem) {
        texts.Edit[static_cast<size_t>(EditAreaL + offset)] = Number(LogUniform(0.01, 60.0));
        texts.Edit[static_cast<size_t>(EditSlopeL + offset)] = Number(LogUniform(0.1, 80.0));
        texts.Edit[static_cast<size_t>(EditRoughnessL + offset)] = Number(LogUniform(0.5, 255.0));
        // Curve numbers cluster at the edges that matter: 100 (no retention)
        // and the low end (little runoff).
        const int pick = Integer(0, 9);
        const double cn = pick == 0 ? 100.0 : pick == 1 ? Uniform(40.0, 50.0) : Uniform(40.0, 100.0);
        texts.Edit[static_cast<size_t>(EditCnL + offset)] = Number(cn);
        cnTypeItem = Integer(0, 2);
    }

    std::mt19937 random_;
};

} // namespace hydrim::test
