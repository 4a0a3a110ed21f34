// The portable number conversions give the texts and values of the standard
// library's floating-point to_chars / from_chars, which the WebAssembly build
// lacks: every result-table number, warning value and JSON real depends on it.
#include "core/project/NumberChars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace hydrim {
namespace {

template <typename Convert> std::string Text(Convert convert) {
    char buffer[512];
    const std::to_chars_result result = convert(buffer, buffer + sizeof buffer);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : "error";
}

// Values of every scale a computation meets, halves that round either way,
// whole numbers past 2^53 and the extremes of double.
std::vector<double> Values() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  1.5,
                                  2.5,
                                  0.125,
                                  0.0001,
                                  1e-5,
                                  123456.0,
                                  1e15,
                                  1e16,
                                  1e17,
                                  1e22,
                                  1.5e17,
                                  5e-324,
                                  2.2250738585072014e-308,
                                  1.7976931348623157e308,
                                  0.1,
                                  1.0 / 3.0,
                                  2.675,
                                  1.005,
                                  9.995,
                                  299.99999999999994,
                                  1.2345678901234567e20,
                                  27021597764222976.0};
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 4000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        values.push_back(i % 2 == 0 ? value : -value);
        values.push_back(std::round(value * 1000.0) / 1000.0); // decimals as typed
    }
    return values;
}

TEST(NumberChars, PortableTextsEqualTheStandardLibrarys) {
    for (const double v : Values()) {
        ASSERT_EQ(Text([&](char* f, char* l) { return portable::ToChars(f, l, v); }),
                  Text([&](char* f, char* l) { return std::to_chars(f, l, v); }))
            << v;
        for (const auto format : {std::chars_format::fixed, std::chars_format::scientific}) {
            ASSERT_EQ(Text([&](char* f, char* l) { return portable::ToChars(f, l, v, format); }),
                      Text([&](char* f, char* l) { return std::to_chars(f, l, v, format); }))
                << v << " shortest in format " << static_cast<int>(format);
        }
        for (const auto format :
             {std::chars_format::fixed, std::chars_format::general, std::chars_format::scientific}) {
            for (const int precision : {0, 1, 2, 3, 4, 17, 30}) {
                ASSERT_EQ(
                    Text([&](char* f, char* l) { return portable::ToChars(f, l, v, format, precision); }),
                    Text([&](char* f, char* l) { return std::to_chars(f, l, v, format, precision); }))
                    << v << " format " << static_cast<int>(format) << " precision " << precision;
            }
        }
    }
}

TEST(NumberChars, TooSmallBufferIsReportedNotOverrun) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(portable::ToChars(buffer, buffer + 3, 12345.5).ec, std::errc::value_too_large);
    EXPECT_EQ(portable::ToChars(buffer, buffer + 3, 1.0 / 3.0, std::chars_format::fixed, 2).ec,
              std::errc::value_too_large);
    EXPECT_EQ(buffer[3], 'x');
}

TEST(NumberChars, PortableReadingEqualsTheStandardLibrarys) {
    std::vector<std::string> texts = {
        "0",
        "-0",
        "1.5",
        ".5",
        "5.",
        "-.5e3",
        "12e-3",
        "1e",
        "1e+",
        "1e+5x",
        "+1",
        " 1",
        "0x1p3",
        "",
        "-",
        ".",
        "abc",
        "inf",
        "-Infinity",
        "nan",
        "nan(1)x",
        "1e400",
        "-1e400",
        "1e-400",
        "1e-310",
        "2.675",
        "00012.5000",
        "1797693134862315807937289714053034150799341327100378269361737789804449682927647509466490179775872070"
        "9633028641669288791094655554785194040263065748867150582068190890200070838367627385484581771153176447"
        "5730270069855571366959622842914819860834936475292719074168444365510704342711559699508093042880177904"
        "174497791.9999"};
    for (const double v : Values()) {
        texts.push_back(
            Text([&](char* f, char* l) { return std::to_chars(f, l, v, std::chars_format::general, 17); }));
    }
    for (const std::string& text : texts) {
        double portableValue = -7.0, standardValue = -7.0;
        const char* last = text.data() + text.size();
        const std::from_chars_result p = portable::FromChars(text.data(), last, portableValue);
        const std::from_chars_result s = std::from_chars(text.data(), last, standardValue);
        EXPECT_EQ(p.ec, s.ec) << '"' << text << '"';
        EXPECT_EQ(p.ptr - text.data(), s.ptr - text.data()) << '"' << text << '"';
        if (std::isnan(standardValue)) {
            EXPECT_TRUE(std::isnan(portableValue)) << '"' << text << '"';
        } else {
            EXPECT_EQ(std::memcmp(&portableValue, &standardValue, sizeof(double)), 0) << '"' << text << '"';
        }
    }
}

} // namespace
} // namespace hydrim
