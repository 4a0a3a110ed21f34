#include "core/project/TextCodec.h"

#include "core/project/SystemErrorText.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace hydrim {
namespace {

// Unicode code points of bytes 0x80..0xFF in Windows-1250; undefined bytes
// keep their own value (C1 controls).
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + static_cast<size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<size_t>(length);
    return cp;
}

namespace {

char EncodeCodePoint(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    for (size_t k = 0; k < kHighHalf.size(); ++k) {
        if (kHighHalf[k] == cp) {
            return static_cast<char>(0x80 + k);
        }
    }
    return '?';
}

} // namespace

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        if (NextCodePoint(text, i) == 0xFFFD && text.substr(start, i - start) != "\xEF\xBF\xBD") {
            return false;
        }
    }
    return true;
}

namespace {

std::string FileMessage(const std::string& what, const std::string& path, int err) {
    std::string message = what + " \"" + path + "\"";
    if (err != 0) {
        message += ": " + SystemErrorText(err);
    }
    return message;
}

} // namespace

std::string DecodeCp1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{kHighHalf[b - 0x80]});
    }
    return out;
}

std::string EncodeCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        out += EncodeCodePoint(NextCodePoint(utf8, i));
    }
    return out;
}

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    // A byte-order mark announces UTF-8; a file that carries one but is not
    // UTF-8 after it (Windows-1250 text behind a stray mark) is read as
    // Windows-1250, so none of its characters is lost.
    std::vector<std::string> lines;
    std::string_view view(bytes);
    const bool marked = view.starts_with("\xEF\xBB\xBF");
    if (marked) {
        view.remove_prefix(3);
    }
    const bool utf8 = marked && IsUtf8(view);
    size_t start = 0;
    for (size_t i = 0; i <= view.size(); ++i) {
        if (i == view.size() || view[i] == '\r' || view[i] == '\n') {
            if (i == view.size() && start == i) {
                break; // no empty line after the final line end
            }
            const std::string_view line = view.substr(start, i - start);
            lines.push_back(utf8 ? std::string(line) : DecodeCp1250(line));
            if (i < view.size() && view[i] == '\r' && i + 1 < view.size() && view[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    return lines;
}

TextFileLines ReadTextFileLines(const std::string& path, size_t maxBytes) {
    TextFileLines result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.error = FileMessage("Místo souboru je zadán adresář", path, 0);
        return result;
    }
    // A pipe or a device would block the reader or never end; only a
    // regular file (or a link to one) is read.
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.error = FileMessage("Nejde o běžný soubor", path, 0);
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = FileMessage("Soubor nelze otevřít", path, errno);
        return result;
    }
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            result.error = FileMessage("Soubor je příliš velký", path, 0);
            return result;
        }
    }
    if (in.bad()) {
        result.error = FileMessage("Chyba při čtení souboru", path, errno);
        return result;
    }
    result.lines = SplitTextLines(bytes);
    return result;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += EncodeCp1250(line);
        out += "\r\n";
    }
    return out;
}

Error WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return {FileMessage("Soubor nelze vytvořit", temporary, errno)};
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int err = errno;
            out.close();
            std::remove(temporary.c_str());
            return {FileMessage("Chyba při zápisu souboru", path, err)};
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return {"Soubor \"" + path + "\" nelze přepsat: " + SystemErrorText(ec)};
    }
    return {};
}

std::string JoinPath(const std::string& directory, const std::string& name) {
    return (std::filesystem::path(directory) / name).string();
}

} // namespace hydrim
