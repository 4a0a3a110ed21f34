// Shared pieces of the rendering tests: computed example projects and their
// result grids, a small hand-made result sheet, the table font, an A4 PDF
// device, and the pages of a written PDF read back with pdfinfo / pdftotext.
#pragma once

#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <QFont>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>

#include <memory>
#include <string>
#include <vector>

namespace hydrim::rendertest {

inline const QString DataDir = QStringLiteral(HYDRIM_SOURCE_DIR "/DATA");

inline std::unique_ptr<AppState> Computed(const char* example) {
    auto state = std::make_unique<AppState>();
    const std::string path = std::string(HYDRIM_SOURCE_DIR "/examples/") + example;
    if (!ReadProjectFile(path, state->CurrentProject).ok() ||
        !ReadParTable(JoinPath(DataDir.toStdString(), ParTableFileName), state->Par).Message.empty() ||
        !ComputeProject(*state).ok()) {
        return nullptr;
    }
    return state;
}

inline std::vector<ResultGrid> GridsOf(const AppState& state) {
    Error error;
    return ResultGrids(state, DataDir.toStdString(), error);
}

// A result sheet of Variant I: a heading row, a value row and the peak row.
inline ResultGrid SheetGrid() {
    ResultGrid grid;
    grid.Kind = GridKind::VariantISheet;
    grid.Number = 2;
    grid.Cells = {{"Heading", "", "  Povodí  ", "", "", "", ""},
                  {" Qmax", "kulminační průtok", "  1.23", "", "", "  [m3.s-1]", ""},
                  {" Q", "peak", "  45.7", "", "", "  [m3.s-1]", ""}};
    grid.UnitColumn = 5;
    grid.ValueColumns = {2};
    grid.VisibleColumns = {true, true, true, true, true, true, false};
    grid.WidthTexts = {" max iso", "description", "  Povodí  ", " Levý svah ", " Pravý svah ", "  [mm.min-1]",
                       ""};
    grid.RowLines = {1, 1, 1};
    grid.BoldRows = {0};
    grid.ShadedRows = {0};
    grid.HighlightRow = 2;
    return grid;
}

inline QFont TableFont() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(16);
    return font;
}

// A4 portrait at a resolution, as the PDF writer lays it out.
inline std::unique_ptr<QPdfWriter> A4Device(const QString& path, int dpi) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(dpi);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    return writer;
}

inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PageCount(const QString& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto match = pages.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// "w x h" of page n in points.
inline QSizeF PageSize(const QString& pdf, int n) {
    const QString info = Run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(n),
                                                         QStringLiteral("-l"), QString::number(n), pdf});
    const auto match = QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

// The text of page n, with the typographic ligatures a font may use
// (U+FB00 "ff" .. U+FB06 "st") folded back into their letters.
inline QString PageText(const QString& pdf, int n) {
    QString text = Run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n),
                        QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const char* letters[] = {"ff", "fi", "fl", "ffi", "ffl", "st", "st"};
    for (int i = 0; i < 7; ++i) {
        text.replace(QChar(0xFB00 + i), QLatin1String(letters[i]));
    }
    return text;
}

} // namespace hydrim::rendertest
