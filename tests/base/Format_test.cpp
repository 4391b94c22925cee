#include "base/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Every test starts in French and leaves it so.
class FormatTest : public ::testing::Test {
protected:
    void SetUp() override { ChoisitLangueNombres("fr"); }
    void TearDown() override { ChoisitLangueNombres("fr"); }
};

} // namespace

TEST_F(FormatTest, IntegersTextsAndPercent)
{
    EXPECT_EQ(Format("%d buts pour %s", {3, "Lyon"}), "3 buts pour Lyon");
    EXPECT_EQ(Format("%5d|%-5d|%.3d|%.3d", {42, 42, 7, -7}), "   42|42   |007|-007");
    EXPECT_EQ(Format("%x %.4x %X %x", {255, 10, 48879, -1}), "FF 000A BEEF FFFFFFFF");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("100%% de %s", {"réussite"}), "100% de réussite");
    EXPECT_EQ(Format("%D-%S", {1, "a"}), "1-a");
    EXPECT_EQ(Format("[%6s][%-6s][%.2s]", {"été", "été", "été"}), "[   été][été   ][ét]");
    EXPECT_EQ(Format("%*d|%-*.*d", {4, 5, 5, 3, 9}), "   5|009  ");
    EXPECT_EQ(Format("%d", {static_cast<long long>(-9000000000LL)}), "-9000000000");
}

TEST_F(FormatTest, IndexesMoveTheArgumentCursor)
{
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");
    EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
}

TEST_F(FormatTest, FloatsUseTheProgramSeparatorAndRoundHalfUp)
{
    EXPECT_EQ(Format("%f", {2.5}), "2,50");
    EXPECT_EQ(Format("%.1f|%.0f|%.2f|%.2f", {0.05, 2.5, 2.675, 1.005}), "0,1|3|2,68|1,01");
    EXPECT_EQ(Format("%.2f|%.1f|%.0f", {-0.001, 9.96, 0.4}), "0,00|10,0|0");
    EXPECT_EQ(Format("%8.2f|%-8.1f|", {-3.14159, 12.0}), "   -3,14|12,0    |");
    EXPECT_EQ(Format("%.1f", {7}), "7,0"); // an integer argument is taken as a number
    EXPECT_EQ(Format("%.2n", {1234567.891}), "1\u00A0234\u00A0567,89");
    EXPECT_EQ(Format("%e", {1234.5}), "1,23450000000000E+003");
    EXPECT_EQ(Format("%.3e", {-0.000123456}), "-1,23E-004");
    EXPECT_EQ(Format("%g|%g|%g|%g", {0.5, 100.0, 1e20, 1e-7}), "0,5|100|1E+020|1E-007");
    EXPECT_EQ(Format("%f", {std::nan("")}), "NAN");

    ChoisitLangueNombres("en");
    EXPECT_EQ(SeparateurDecimal(), '.');
    EXPECT_EQ(Format("%.2f|%n", {2.675, 1234.5}), "2.68|1,234.50");
    EXPECT_EQ(FormatReel(12.25, 1), "12.3");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    ChoisitLangueNombres("fr");
    EXPECT_EQ(SeparateurDecimal(), ',');
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(1.5e15), "1,5E15");
    EXPECT_EQ(FloatToStr(-42), "-42");
}

TEST_F(FormatTest, SignificantDigitsThenDecimalsNeverAnExponent)
{
    EXPECT_EQ(FormatChiffres(100.0 / 3, 5, 2), "33,33");
    EXPECT_EQ(FormatChiffres(200.0 / 3, 3, 2), "66,70");
    EXPECT_EQ(FormatChiffres(100.0 / 7, 3, 2), "14,30");
    EXPECT_EQ(FormatChiffres(12.345, 2, 2), "12,00");
    EXPECT_EQ(FormatChiffres(3.456, 2, 2), "3,50");
    EXPECT_EQ(FormatChiffres(45.68, 2, 0), "46");
    EXPECT_EQ(FormatChiffres(100, 2, 2), "100,00");
    EXPECT_EQ(FormatChiffres(100, 2, 0), "100");
    EXPECT_EQ(FormatChiffres(123.4, 2, 1), "123,0");
    EXPECT_EQ(FormatChiffres(2.25, 2, 2), "2,30"); // half away from zero on the decimal form
    EXPECT_EQ(FormatChiffres(-2.25, 2, 2), "-2,30");
    EXPECT_EQ(FormatChiffres(0, 5, 2), "0,00");
    EXPECT_EQ(FormatChiffres(0.012345, 2, 3), "0,012");
    EXPECT_EQ(FormatChiffres(99.96, 3, 2), "100,00");
    ChoisitLangueNombres("en");
    EXPECT_EQ(FormatChiffres(200.0 / 3, 3, 2), "66.70");
}

TEST_F(FormatTest, MismatchesAreReportedNotThrown)
{
    const std::vector<std::string> Mauvais = {"%d", "%s %s", "%", "%5", "%.", "%q", "%9999999d", "%-:s", "%*d"};
    for (const std::string& M : Mauvais) {
        std::string R = "intact";
        const TArgFormat A[] = {TArgFormat("x")};
        EXPECT_FALSE(EssaieFormat(M, A, R)) << M;
        EXPECT_EQ(R, "intact") << M;
        EXPECT_EQ(Format(M, A), M);
    }
    // The kinds must fit: an integer for %d and %x, a text for %s.
    EXPECT_EQ(Format("%d", {1.5}), "%d");
    EXPECT_EQ(Format("%s", {3}), "%s");
    EXPECT_EQ(Format("%f", {"3"}), "%f");
    // Unused arguments are fine.
    EXPECT_EQ(Format("seul", {1, 2}), "seul");
}
