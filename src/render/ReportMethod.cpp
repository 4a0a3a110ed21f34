#include "render/ReportMethod.h"

namespace hydrim::render {

std::vector<MethodParagraph> MethodParagraphs(int variant) {
    std::vector<MethodParagraph> paragraphs = {
        {QStringLiteral("Návrhový déšť"),
         QStringLiteral(
             "Úhrn P [mm] a intenzita i [mm/min] deště doby trvání t [min] se odvozují z 1-denního "
             "maximálního srážkového úhrnu H [mm] doby opakování N: P = a·H·t^b, i = a·H·t^(−c). "
             "Součinitel a a exponenty b, c se berou z tabulky součinitelů redukce 1-denních úhrnů "
             "(soubor par.tab) podle doby opakování a pásma doby trvání 10–40, 41–120 a nad "
             "120 minut; 1-denní úhrny jsou hodnoty staniční tabulky maximálních 1-denních "
             "srážkových úhrnů nebo hodnoty zadané uživatelem.")},
        {QStringLiteral("Odtok metodou CN (SCS)"),
         QStringLiteral(
             "Číslo CN se podle typu křivky (skupiny předchozích vláhových podmínek 1, 2, 3) "
             "převede na CNp: typ 1 CN/(2.334 − 0.01334·CN), typ 2 beze změny, typ 3 "
             "CN/(0.4036 + 0.0059·CN). Potenciální retence S = 25.4·(1000/CNp − 10) [mm], počáteční "
             "ztráta Ia = 0.2·r·S [mm], kde r = (H_N/H_100)^e, e = 9.8992·N^(−0.3035). Přímý odtok "
             "O = (P − Ia)² / (P − Ia + S) [mm]. Doba do počátku odtoku t0 = Ia/i [min], doba "
             "trvání efektivního deště te = t − t0, intenzita efektivního deště ie = O/te.")},
        {QStringLiteral("Odtok ze svahu"),
         QStringLiteral("Šířka svahu B = A/Lu [km] (A plocha svahu [km²], Lu délka údolnice [km]), délka "
                        "dráhy stoku Ls = B·√(1 + Iu²/(Iu² + Is²)) (Iu sklon údolnice, Is sklon svahu [%]), "
                        "součinitel K = 1915.71·γ·Ls/√Is (γ drsnost [s]). Svah je v rovnovážném stavu, je-li "
                        "ie ≥ K/te²; pak je kulminační intenzita odtoku qp = ie, jinak qp = O²/K [mm/min]. "
                        "Kulminační průtok Qmax = 16.67·qp·A [m³/s], objem odtoku V = 1000·A·O [m³].")},
        {QStringLiteral("Hydrogram"),
         QStringLiteral(
             "Průtok v minutě k: q(k) = Qmax·(k/tr)^m·exp(m·(1 − k/tr)), kde tr je doba vzestupu; "
             "exponent tvaru m se volí tak, aby objem hydrogramu odpovídal objemu odtoku V. U svahu v "
             "rovnovážném stavu se průtok Qmax drží po dobu plató tp = te − tr. Hydrogram povodí se "
             "dvěma svahy je součtem hydrogramů obou svahů.")},
    };
    if (variant == 0) {
        paragraphs.push_back(
            {QStringLiteral("Varianta I"),
             QStringLiteral("Pro každou dobu opakování N = 5, 10, 20, 50 a 100 let se hledá kritická doba "
                            "trvání deště, tj. déšť, který vyvolá největší kulminační průtok, a pro něj se "
                            "počítají návrhové hodnoty svahů a povodí.")});
    } else if (variant == 1) {
        paragraphs.push_back(
            {QStringLiteral("Varianta II"),
             QStringLiteral("Kulminační průtok deště zadané doby trvání a doby opakování N.")});
    } else if (variant == 2) {
        paragraphs.push_back({QStringLiteral("Varianta III"),
                              QStringLiteral("Kulminační průtok deště zadané doby trvání a intenzity.")});
    }
    return paragraphs;
}

} // namespace hydrim::render
