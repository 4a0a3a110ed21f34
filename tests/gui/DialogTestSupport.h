// Shared pieces of the lookup dialog tests: small synthetic reference tables
// written as the program's data files, a stand-in for the input window that
// records what the dialogs write into it, and a message recorder.
#pragma once

#include "core/project/ProjectData.h"
#include "core/project/TextCodec.h"
#include "gui/reference/LookupDialogs.h"
#include "gui/reference/LookupGrid.h"
#include "gui/reference/LookupWindow.h"

#include <QApplication>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace dialogtest {

using hydrim::gui::InputWindowLink;

inline void WriteTable(const QTemporaryDir& dir, const char* name, const std::vector<std::string>& lines) {
    const std::string error =
        hydrim::WriteFileAtomically(hydrim::JoinPath(dir.path().toStdString(), name), hydrim::JoinCrLf(lines))
            .Message;
    if (!error.empty()) {
        qFatal("%s", error.c_str());
    }
}

// Stations in rows 1..6; value column k of row r holds 20·r + k.
inline std::vector<std::string> RainfallLines() {
    std::vector<std::string> lines = {
        "č.\tStanice\t2 roky\t5 let\t10 let\t20 let\t30 let\t50 let\t60 let\t80 let\t100 let\t200 let"};
    const std::vector<std::string> names = {"Adamov", "Beroun", "Cheb", "Sedlec", "Šumperk", "Tábor"};
    for (size_t i = 0; i < names.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        std::string line = std::to_string(row) + "\t" + names[i];
        for (int k = 1; k <= 10; ++k) {
            line += "\t" + std::to_string(20 * row + k);
        }
        lines.push_back(line);
    }
    return lines;
}

// Row 2 admits 5..40, row 3 1..3, row 4 0..3; rows 5..16 are classes 2..40.
inline std::vector<std::string> RoughnessLines() {
    std::vector<std::string> lines = {"Doporučené hodnoty drsnosti g:pro plošný odtok po svahu;!",
                                      "Povrch;Třída!g"};
    lines.push_back("Les;1!5-40");
    lines.push_back("Les;2!1-3");
    lines.push_back("Les;3!0-3");
    for (int row = 5; row <= 16; ++row) {
        lines.push_back("Pole;" + std::to_string(row - 1) + "!2-40");
    }
    return lines;
}

// Curve numbers 60, 65, ... 90 for A .. D; row 2 of group A holds 39.99 and
// row 3 of group A holds 40; row 52 is a note without numbers.
inline std::vector<std::string> CurveNumberLines() {
    std::vector<std::string> lines = {"Využití\tOšetření\tPodmínky\tČíslo CN\tPlocha", "pozemku\t\t\t\t[km]"};
    for (int row = 2; row <= 51; ++row) {
        std::string line = "Úhor\tPř\tDb";
        for (int group = 1; group <= 7; ++group) {
            std::string number = std::to_string(55 + 5 * group);
            if (group == 1 && row == 2) {
                number = "39.99";
            }
            if (group == 1 && row == 3) {
                number = "40";
            }
            line += "\t" + number;
        }
        lines.push_back(line);
    }
    lines.push_back("Pozn.: hodnoty pro předchozí vláhové podmínky II\t\t\t\t\t\t\t\t\t");
    return lines;
}

inline std::vector<std::string> SoilGroupLines() {
    return {"Hydrologické skupiny půd;",
            "Charakteristika:infiltrace [mm.min-1];Skupina",
            "Hluboké písky:> 0.12 mm.min-1;A",
            "Hlinitopísčité půdy:0.06 - 0.12 mm.min-1;B",
            "Jílovitohlinité půdy:0.02 - 0.06 mm.min-1;C",
            "Jíly, mělké půdy:< 0.02 mm.min-1;D"};
}

// Soil units: row 3 "B", row 4 "A - B", row 5 "B (C)", row 6 "C - D", row 7
// without a group, the others "D".
inline std::vector<std::string> SoilUnitLines() {
    std::vector<std::string> lines = {"HPJ\tPůdní jednotka\tPopis\tHSP", "\t\t\t", "\t\t\t"};
    for (int row = 3; row <= 66; ++row) {
        std::string group = "D";
        if (row == 3) {
            group = "B";
        }
        if (row == 4) {
            group = "A - B";
        }
        if (row == 5) {
            group = "B (C)";
        }
        if (row == 6) {
            group = "C - D";
        }
        if (row == 7) {
            group = "";
        }
        const std::string code = (row - 2 < 10 ? "0" : "") + std::to_string(row - 2);
        const std::string description = row == 66 ? "první:druhý:třetí" : "popis";
        lines.push_back(code + "\tjednotka " + code + "\t" + description + "\t" + group);
    }
    return lines;
}

inline void WriteAllTables(const QTemporaryDir& dir) {
    WriteTable(dir, "srazky.tab", RainfallLines());
    WriteTable(dir, "Gama.tab", RoughnessLines());
    WriteTable(dir, "CNcistab.tab", CurveNumberLines());
    WriteTable(dir, "HSP.tab", SoilGroupLines());
    WriteTable(dir, "BPEJtab.tab", SoilUnitLines());
}

// Records what the dialogs do to the input window.
class StubLink : public InputWindowLink {
public:
    void setFieldText(int k, const QString& text) override {
        writes.append({k, text});
        fields[k] = text;
    }
    QString fieldText(int k) const override { return fields.value(k); }
    int comboIndex(int k) const override { return combos.value(k, -1); }
    void setComboIndex(int k, int index) override { combos[k] = index; }
    void appendDescriptionLine(const QString& line) override { description.append(line); }
    void setLookupButtonEnabled(int k, bool enabled) override { buttons[k] = enabled; }
    void lookupClosed(int k) override { closed.append(k); }

    bool buttonEnabled(int k) const { return buttons.value(k, true); }

    QList<QPair<int, QString>> writes;
    QMap<int, QString> fields;
    QMap<int, int> combos;
    QStringList description;
    QMap<int, bool> buttons;
    QList<int> closed;
};

// Types keys into a grid cell as the user would: the first key starts the
// edit, the others go to the cell's editor.
inline void TypeIntoCell(hydrim::gui::LookupGrid* grid, int row, int column, const char* keys) {
    grid->finishEditing();
    grid->setCurrentCell(row, column);
    for (const char key : std::string(keys)) {
        QWidget* editor = grid->cellEditor();
        QTest::keyClick(editor ? editor : grid, key);
    }
}

// Collects the dialogs' messages instead of showing boxes.
class MessageRecorder {
public:
    MessageRecorder() {
        hydrim::gui::SetLookupMessageSink([this](QMessageBox::Icon icon, const QString& text) {
            messages.append({icon, text});
        });
    }
    ~MessageRecorder() { hydrim::gui::SetLookupMessageSink({}); }
    QString last() const { return messages.isEmpty() ? QString() : messages.back().second; }
    QList<QPair<QMessageBox::Icon, QString>> messages;
};

// The lookup dialogs over the synthetic tables, attached to a stub input
// window; a test class derives from it and calls start() and finish() from
// QTest's init() and cleanup(), so each test function gets fresh dialogs.
struct DialogFixture {
    QTemporaryDir dir;
    hydrim::AppState state;
    StubLink link;
    std::unique_ptr<hydrim::gui::LookupDialogs> dialogs;

    void start() {
        QVERIFY(dir.isValid());
        WriteAllTables(dir);
        state = hydrim::AppState();
        dialogs = std::make_unique<hydrim::gui::LookupDialogs>(state, dir.path().toStdString(), nullptr);
        dialogs->attachLink(&link);
    }
    void finish() {
        dialogs.reset();
        link = StubLink();
    }
};

} // namespace dialogtest
