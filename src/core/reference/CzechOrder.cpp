#include "core/reference/CzechOrder.h"

#include "core/project/TextCodec.h"

#include <array>
#include <tuple>
#include <vector>

namespace hydrim {

namespace {

// A letter with a diacritic: its base letter, whether it is a letter of its
// own that follows the base (Č, Ř, Š, Ž), and the accent's rank among the
// variants of the base letter.
struct Accented {
    char32_t upper;
    char32_t lower;
    char base;
    bool ownLetter;
    int accent;
};

constexpr std::array<Accented, 22> AccentedLetters = {{
    {U'Á', U'á', 'A', false, 1}, {U'Ä', U'ä', 'A', false, 4}, {U'Č', U'č', 'C', true, 0},
    {U'Ď', U'ď', 'D', false, 2}, {U'É', U'é', 'E', false, 1}, {U'Ě', U'ě', 'E', false, 2},
    {U'Í', U'í', 'I', false, 1}, {U'Ĺ', U'ĺ', 'L', false, 1}, {U'Ľ', U'ľ', 'L', false, 2},
    {U'Ň', U'ň', 'N', false, 2}, {U'Ó', U'ó', 'O', false, 1}, {U'Ô', U'ô', 'O', false, 3},
    {U'Ö', U'ö', 'O', false, 4}, {U'Ŕ', U'ŕ', 'R', false, 1}, {U'Ř', U'ř', 'R', true, 0},
    {U'Š', U'š', 'S', true, 0},  {U'Ť', U'ť', 'T', false, 2}, {U'Ú', U'ú', 'U', false, 1},
    {U'Ů', U'ů', 'U', false, 3}, {U'Ü', U'ü', 'U', false, 4}, {U'Ý', U'ý', 'Y', false, 1},
    {U'Ž', U'ž', 'Z', true, 0},
}};

// The three levels of comparison: letters, accents, case.
struct SortKey {
    std::vector<int> letters;
    std::vector<int> accents;
    std::vector<int> cases;
};

constexpr int Blank = 1;
constexpr int FirstDigit = 10;
constexpr int FirstLetter = 100;
constexpr int OtherCharacters = 1000;

// Each base letter has two places: itself and the letter that follows it
// (Č after C, CH after H, ...).
int LetterWeight(char upper, bool following) {
    return FirstLetter + 2 * (upper - 'A') + (following ? 1 : 0);
}

void AddCharacter(SortKey& key, char32_t code, bool isCh) {
    int letter = OtherCharacters + static_cast<int>(code);
    int accent = 0;
    int letterCase = 0;
    if (isCh) {
        letter = LetterWeight('H', true);
        letterCase = code == U'C' ? 1 : 0;
    } else if (code >= U'a' && code <= U'z') {
        letter = LetterWeight(static_cast<char>(code - U'a' + U'A'), false);
    } else if (code >= U'A' && code <= U'Z') {
        letter = LetterWeight(static_cast<char>(code), false);
        letterCase = 1;
    } else if (code >= U'0' && code <= U'9') {
        letter = FirstDigit + static_cast<int>(code - U'0');
    } else if (code < 0x80) {
        letter = Blank; // blanks and punctuation weigh alike
    } else {
        for (const Accented& a : AccentedLetters)
            if (code == a.upper || code == a.lower) {
                letter = LetterWeight(a.base, a.ownLetter);
                accent = a.accent;
                letterCase = code == a.upper ? 1 : 0;
            }
    }
    key.letters.push_back(letter);
    key.accents.push_back(accent);
    key.cases.push_back(letterCase);
}

SortKey KeyOf(const std::string& text) {
    std::vector<char32_t> codes;
    for (size_t i = 0; i < text.size();)
        codes.push_back(NextCodePoint(text, i));
    SortKey key;
    for (size_t i = 0; i < codes.size(); ++i) {
        const bool isCh = (codes[i] == U'C' || codes[i] == U'c') && i + 1 < codes.size() &&
                          (codes[i + 1] == U'H' || codes[i + 1] == U'h');
        AddCharacter(key, codes[i], isCh);
        if (isCh)
            ++i;
    }
    return key;
}

} // namespace

int CompareCzechBeginning(const std::string& name, const std::string& prefix) {
    const std::vector<int> wanted = KeyOf(prefix).letters;
    std::vector<int> letters = KeyOf(name).letters;
    if (letters.size() > wanted.size()) {
        letters.resize(wanted.size());
    }
    if (letters == wanted) {
        return 0;
    }
    return letters < wanted ? -1 : 1;
}

bool CzechLess(const std::string& a, const std::string& b) {
    const SortKey keyA = KeyOf(a);
    const SortKey keyB = KeyOf(b);
    return std::tie(keyA.letters, keyA.accents, keyA.cases, a) <
           std::tie(keyB.letters, keyB.accents, keyB.cases, b);
}

} // namespace hydrim
