// Decoding input text, walking its lines and splitting them into fields; number and integer fields.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "race/Convert.h"
#include "race/Fields.h"
#include "race/InputError.h"
#include "race/PrintableText.h"
#include "race/TextInput.h"
#include "support/TempFolder.h"

namespace race {
namespace {

std::vector<std::string> Lines(std::string_view bytes) {
  std::istringstream in{std::string(bytes)};
  TextLines reader(in, "test.txt");
  std::vector<std::string> out;
  std::string_view line;
  while (reader.Next(line)) out.emplace_back(line);
  return out;
}

// A one-line text as the readers see it.
std::string DecodeText(std::string_view bytes) {
  const auto lines = Lines(bytes);
  return lines.empty() ? std::string() : lines[0];
}

std::vector<std::string> Split(std::string_view text, char separator) {
  const Fields f = SplitFields(text, separator);
  std::vector<std::string> out;
  for (int i = 1; i <= f.lineFieldCount; ++i) out.emplace_back(f[i]);
  return out;
}

using Strings = std::vector<std::string>;

TEST(TextInput, Utf8StaysAndShiftJisIsConvertedToUtf8) {
  const std::string utf8 = "BN,a.txt,\xE3\x81\x82\xE3\x81\x84";  // あい
  EXPECT_EQ(DecodeText(utf8), utf8);
  EXPECT_EQ(DecodeText("\xEF\xBB\xBFT1,x"), "T1,x");         // byte-order mark dropped
  EXPECT_EQ(DecodeText("BN,a.txt,\x82\xA0\x82\xA2"), utf8);  // the same in Shift-JIS
  EXPECT_EQ(DecodeText("\x83\x7E\x83\x58\x20\x8E\x71"), "\xE3\x83\x9F\xE3\x82\xB9 \xE5\xAD\x90");  // ミス 子
  // A byte that Shift-JIS does not have becomes the replacement character, the rest survives.
  EXPECT_EQ(DecodeText("a\xA0"
                       "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(DecodeText("a\x82"), "a\xEF\xBF\xBD");  // cut off after a lead byte
}

TEST(TextInput, LinesEndInCrLfLfOrCrAndAreNumbered) {
  EXPECT_EQ(Lines("a\r\nb\nc\rd"), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n\r\nb\r\n"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Lines("a\r\r\n"), (Strings{"a", ""}));
  EXPECT_TRUE(Lines("").empty());
  std::istringstream in("x\ny\r\nz");
  TextLines reader(in, "test.txt");
  std::string_view line;
  reader.Next(line);
  reader.Next(line);
  EXPECT_EQ(reader.lineNumber(), 2);
  EXPECT_EQ(line, "y");
}

TEST(TextInput, LinesAreReadInPiecesWithTheirEndsAndDecodingIntact) {
  // Enough text for several reads, with a CR LF and a Shift-JIS name falling after the first piece: the
  // name still decides the whole file's decoding, and no line end is split or lost.
  std::string text;
  int count = 0;
  while (text.size() < 700000)
    text += "T  N3512.3456 E13930.1234 17-MAY-08 01:00:" + std::to_string(count++ % 60) + " 1\r\n";
  for (std::size_t cut : {std::size_t{1} << 18, (std::size_t{1} << 18) - 1}) {
    std::string crAtEdge = text.substr(0, cut - 1) + "\r\n" + "z";
    const auto lines = Lines(crAtEdge);
    EXPECT_EQ(lines.back(), "z") << cut;
    std::size_t ends = 0;  // CR LF, LF and a lone CR each end a line
    for (std::size_t i = 0; i < crAtEdge.size(); ++i) {
      ends += crAtEdge[i] == '\n' || (crAtEdge[i] == '\r' && crAtEdge[i + 1] != '\n');
    }
    EXPECT_EQ(lines.size(), ends + 1) << cut;
  }
  const auto sjis = Lines(text + "BN,a.txt,\x82\xA0\x82\xA2\r\n");
  EXPECT_EQ(sjis.size(), static_cast<std::size_t>(count + 1));
  EXPECT_EQ(sjis.back(), "BN,a.txt,\xE3\x81\x82\xE3\x81\x84");
  // UTF-8 early, a byte that is not UTF-8 late: the file is Shift-JIS from its first line on.
  const auto late = Lines("\x82\xA0\r\n" + text + "\x82\r\n");
  EXPECT_EQ(late.front(), "\xE3\x81\x82");
}

TEST(TextInput, Utf16WithAByteOrderMarkIsRead) {
  const std::string little(
      "\xFF\xFE"
      "B\0N\0,\0\x42\x30\r\0\n\0x\0",
      16);  // BN,あ CR LF x
  EXPECT_EQ(Lines(little), (Strings{"BN,\xE3\x81\x82", "x"}));
  const std::string big("\xFE\xFF\0B\0N\0,\x30\x42\0\n\0x", 14);
  EXPECT_EQ(Lines(big), (Strings{"BN,\xE3\x81\x82", "x"}));
  EXPECT_EQ(Lines(std::string("\xFF\xFE"
                              "a\0\0\xD8",
                              6)),
            (Strings{"a\xEF\xBF\xBD"}));  // a lone surrogate
}

TEST(TextInput, ALineOverTheLimitIsAnErrorNamingItsLine) {
  const std::string longest(kMaxLineBytes, 'x');
  EXPECT_EQ(Lines("a\n" + longest + "\nb").size(), 3u);
  for (const std::string& end : {std::string("\n"), std::string()}) {
    std::istringstream in("a\nb\n" + longest + "x" + end);
    TextLines lines(in, "gpsdat/alpha.txt");
    std::string_view line;
    lines.Next(line);
    lines.Next(line);
    try {
      lines.Next(line);
      FAIL() << "no error";
    } catch (const InputError& e) {
      EXPECT_STREQ(e.what(), "gpsdat/alpha.txt:3: line longer than 65536 bytes");
    }
  }
  // A file without any line end stops after one limit's worth, however large it is.
  std::istringstream endless(std::string(3 * kMaxLineBytes, '\0'));
  TextLines lines(endless, "gpsdat/zero.txt");
  std::string_view line;
  EXPECT_THROW(lines.Next(line), InputError);
}

TEST(TextInput, AFileThatCannotBeOpenedSaysWhy) {
  testsupport::TempFolder folder;
  std::ifstream in;
  std::string problem;
  EXPECT_FALSE(OpenInput(in, folder.path() / "none.txt", problem));
  EXPECT_EQ(problem, "No such file or directory");
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  const auto locked = folder.Write("locked.txt", "x");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  EXPECT_FALSE(OpenInput(in, locked, problem));
  EXPECT_EQ(problem, "Permission denied");
}

TEST(PrintableText, MessagesQuoteLittleAndNoControlCharacters) {
  // A 20 MB field gives a short message; escapes in a race file never reach a terminal.
  const InputError huge("raceadmin/r.txt", 3, "not a number: " + Quoted(std::string(20 << 20, '7')));
  EXPECT_LT(std::string(huge.what()).size(), 200u);
  const InputError escapes("raceadmin/\x1B[2Jr.txt", 3,
                           Quoted("\x1B]0;owned\x07\xC2\x9B"
                                  "31m"));
  EXPECT_STREQ(escapes.what(), "raceadmin/?[2Jr.txt:3: \"?]0;owned??31m\"");
  // Cuts fall between characters (あ is three bytes).
  std::string kana;
  for (int k = 0; k < 100; ++k) kana += "\xE3\x81\x82";
  EXPECT_EQ(Printable(kana, 10), kana.substr(0, 9) + "...");
  EXPECT_EQ(Utf8Boundary(kana, 4), 3u);
  EXPECT_EQ(Utf8Boundary(kana, 1000), kana.size());
}

TEST(Fields, SplittingTrimsFieldsAndEmptyFieldsReadZero) {
  EXPECT_EQ(Split("BN, a.txt ,Boat A", ','), (Strings{"BN", "a.txt", "Boat A"}));
  EXPECT_EQ(Split("MK,,35.1", ','), (Strings{"MK", "0", "35.1"}));
  EXPECT_EQ(Split("", ','), (Strings{"0"}));
  EXPECT_EQ(Split("T1,", ','), (Strings{"T1", "0"}));
  EXPECT_EQ(Split("NOTE", ','), (Strings{"NOTE"}));
  EXPECT_EQ(Split("a\t,\x01 b \r", ','), (Strings{"a", "b"}));
  // Blank-separated: runs of blanks act as one, leading blanks are ignored.
  EXPECT_EQ(Split("  T  N5332.74289   E00948.32298 01-JUL-23 10:53:32 1 ", ' '),
            (Strings{"T", "N5332.74289", "E00948.32298", "01-JUL-23", "10:53:32", "1"}));
}

TEST(Fields, TextOfAnEmptyOrMissingFieldIsEmptyAndSurplusFieldsAreDropped) {
  const Fields f = SplitFields("T1,", ',');
  EXPECT_EQ(f.Text(2), "");
  EXPECT_EQ(f.Text(3), "");
  EXPECT_EQ(SplitFields("NOTE,x", ',').Text(2), "x");
  std::string line = "CRS";
  for (int i = 1; i <= 30; ++i) line += "," + std::to_string(i);
  const Fields many = SplitFields(line, ',');
  EXPECT_EQ(many.lineFieldCount, kMaxFields);
  EXPECT_EQ(many[20], "19");
  const Fields twenty = SplitFields("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t", ',');
  EXPECT_EQ(twenty.lineFieldCount, 20);
  EXPECT_EQ(twenty[20], "t");
  // A very long name is cut short on a character boundary, so it stays UTF-8 (JSON refuses anything else).
  std::string name;
  for (int k = 0; k < 2000; ++k) name += "\xE3\x81\x82";
  const std::string cut = SplitFields("BN,a.txt," + name, ',').Text(3);
  EXPECT_LT(cut.size(), name.size());
  EXPECT_EQ(cut.size() % 3, 0u);
  EXPECT_EQ(cut, name.substr(0, cut.size()));
}

TEST(Convert, NumbersAndIntegersAcceptDecimalTextOnly) {
  EXPECT_DOUBLE_EQ(*ParseNumber("2112.3456"), 2112.3456);
  EXPECT_DOUBLE_EQ(*ParseNumber(" -0.5 "), -0.5);
  EXPECT_DOUBLE_EQ(*ParseNumber("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(*ParseNumber("5."), 5.0);
  EXPECT_DOUBLE_EQ(*ParseNumber("1e3"), 1000.0);
  for (const char* bad :
       {"", " ", ".", "-", "1,5", "inf", "nan", "0x10", "1e", "12a", "N35.1", "1.2.3", "++1"}) {
    EXPECT_FALSE(ParseNumber(bad)) << bad;
  }
  EXPECT_EQ(*ParseInteger("30"), 30);
  EXPECT_EQ(*ParseInteger(" -9"), -9);
  EXPECT_EQ(*ParseInteger("+7"), 7);
  for (const char* bad : {"", "3.0", "x", "99999999999", "1 2", "++1"})
    EXPECT_FALSE(ParseInteger(bad)) << bad;
}

TEST(Convert, ShortDecimalsReadExactlyAsTheLibraryReadsThem) {
  // Coordinates and times take a shortcut for short decimals; it must give the correctly rounded double.
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> values(-20000, 20000);
  char text[64];
  for (int k = 0; k < 20000; ++k) {
    std::snprintf(text, sizeof text, "%.*f", k % 11, values(random));
    ASSERT_EQ(*ParseNumber(text), std::strtod(text, nullptr)) << text;
  }
  for (const char* text :
       {"0.1", "-0.3", "9007199254740993", "123456789012345.6", "0.000000000000001", "-0"}) {
    EXPECT_EQ(*ParseNumber(text), std::strtod(text, nullptr)) << text;
  }
}

TEST(Convert, AFailedConversionNamesFileLineAndText) {
  try {
    ToNumber("N35x2.1", "gpsdat/alpha.txt", 12);
    FAIL() << "no error";
  } catch (const InputError& e) {
    EXPECT_STREQ(e.what(), "gpsdat/alpha.txt:12: not a number: \"N35x2.1\"");
    EXPECT_EQ(e.line(), 12);
  }
  EXPECT_THROW(ToInteger("3.5", "raceadmin/r.txt", 4), InputError);
}

}  // namespace
}  // namespace race
