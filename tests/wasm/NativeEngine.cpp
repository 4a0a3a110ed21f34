// The engine's browser interface built natively, for the web identity test:
// it runs the calls the WebAssembly build runs and answers them the same
// way. Usage: hydrim-native-engine DATA_DIR < calls > answers; one call per
// line, {"method", "arguments": {...}, "bytes": base64 or absent}, one
// answer per line, {"status", "result": base64 of the result bytes}.
#include "wasm/EngineApi.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

namespace {

const std::string Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Encode(const std::string& bytes) {
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (const unsigned char c : bytes) {
        value = (value << 8) | c;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out += Alphabet[(value >> bits) & 0x3F];
        }
    }
    if (bits > 0) {
        out += Alphabet[(value << (6 - bits)) & 0x3F];
    }
    while (out.size() % 4 != 0) {
        out += '=';
    }
    return out;
}

std::string Decode(const std::string& text) {
    std::string out;
    unsigned value = 0;
    int bits = 0;
    for (const char c : text) {
        const size_t digit = Alphabet.find(c);
        if (digit == std::string::npos) {
            continue;
        }
        value = (value << 6) | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 || hydrim_open(argv[1]) != HydrimOk) {
        std::cerr << "usage: hydrim-native-engine DATA_DIR (" << hydrim_result() << ")\n";
        return 2;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        const nlohmann::json call = nlohmann::json::parse(line);
        const std::string arguments = call.value("arguments", nlohmann::json::object()).dump();
        const std::string bytes = Decode(call.value("bytes", std::string()));
        const int status = hydrim_call(call.at("method").get<std::string>().c_str(), arguments.c_str(),
                                       reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        const std::string result(hydrim_result(), hydrim_result_size());
        std::cout << nlohmann::json{{"status", status}, {"result", Encode(result)}}.dump() << '\n';
    }
    return 0;
}
