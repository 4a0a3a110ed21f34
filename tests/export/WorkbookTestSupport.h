// Helpers of the workbook tests: computed example projects and a look into
// the written .xlsx (a zip of XML parts) through the unzip tool.
#pragma once

#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <memory>
#include <random>
#include <string>

namespace hydrim::test {

inline std::string DataDir() {
    return std::string(HYDRIM_SOURCE_DIR) + "/DATA";
}

// An example project read, checked and computed.
inline std::unique_ptr<AppState> ComputedExample(const std::string& name) {
    auto state = std::make_unique<AppState>();
    const std::string path = std::string(HYDRIM_SOURCE_DIR) + "/examples/" + name;
    EXPECT_TRUE(ReadProjectFile(path, state->CurrentProject).ok()) << path;
    EXPECT_EQ(ReadParTable(JoinPath(DataDir(), ParTableFileName), state->Par).Message, "");
    EXPECT_TRUE(ComputeProject(*state).ok()) << name;
    return state;
}

inline std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// One part of a zip archive ("" when it is missing).
inline std::string ZipPart(const std::string& zip, const std::string& part) {
    const std::string command = "unzip -p " + Quoted(zip) + " " + Quoted(part) + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 65536> buffer;
    size_t read = 0;
    while (pipe && (read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
        text.append(buffer.data(), read);
    }
    return text;
}

// Whether the archive passes unzip's own integrity test.
inline bool ZipIsSound(const std::string& zip) {
    return std::system(("unzip -tqq " + Quoted(zip) + " >/dev/null 2>&1").c_str()) == 0;
}

inline size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

// The XML of cell ref ("D26") in a worksheet part, "" when it is absent.
inline std::string CellXml(const std::string& sheet, const std::string& ref) {
    const size_t start = sheet.find("<c r=\"" + ref + "\"");
    if (start == std::string::npos) {
        return {};
    }
    const size_t selfClosing = sheet.find("/>", start);
    const size_t closing = sheet.find("</c>", start);
    const size_t tagEnd = sheet.find('>', start);
    if (selfClosing != std::string::npos && selfClosing + 1 == tagEnd) {
        return sheet.substr(start, selfClosing + 2 - start);
    }
    return sheet.substr(start, closing + 4 - start);
}

// The number stored in a cell, NaN when it holds none.
inline double CellNumber(const std::string& sheet, const std::string& ref) {
    const std::string cell = CellXml(sheet, ref);
    const size_t v = cell.find("<v>");
    if (v == std::string::npos || cell.find("t=\"s\"") != std::string::npos) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::stod(cell.substr(v + 3));
}

} // namespace hydrim::test
