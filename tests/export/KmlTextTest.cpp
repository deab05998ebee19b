// The small texts of the KML files: escaping, CDATA, numbers, names, icon headings and colours.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "export/KmlText.h"
#include "race/Numbers.h"

namespace kml {
namespace {

TEST(KmlText, EscapesMarkupAndDropsWhatXmlForbids) {
  EXPECT_EQ(XmlText("A&B <x> \"q\" 'a'"), "A&amp;B &lt;x&gt; &quot;q&quot; &apos;a&apos;");
  EXPECT_EQ(XmlText("日本丸 ]]>"), "日本丸 ]]&gt;");
  EXPECT_EQ(XmlText(std::string("a\x01\x1F\tb", 5)), "a\tb");
  // A stray Shift-JIS byte and a truncated sequence become U+FFFD instead of breaking the document.
  EXPECT_EQ(XmlText("\x83\x41x"),
            "\xEF\xBF\xBD"
            "Ax");
  EXPECT_EQ(XmlText("\xE6\x97"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(XmlText("\xEF\xBF\xBF"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // U+FFFF is not a character
}

TEST(KmlText, CdataSplitsEverySectionEnd) {
  EXPECT_EQ(CdataText("a < b & c"), "a < b & c");
  EXPECT_EQ(CdataText("x]]>y"), "x]]]]><![CDATA[>y");
  EXPECT_EQ(CdataText("]]>]]>"), "]]]]><![CDATA[>]]]]><![CDATA[>");
  EXPECT_EQ(CdataText("]]]>"), "]]]]]><![CDATA[>");
}

TEST(KmlText, DocumentNameRunsFromTheFirstBlankToTheFirstPointElseIsTheWholeCaption) {
  EXPECT_EQ(DocumentName("Regatix  Spring Cup Race 1.     "), " Spring Cup Race 1");
  EXPECT_EQ(DocumentName("Regatix  race1.txt       "), " race1");
  EXPECT_EQ(DocumentName("Regatix  Spring Cup     Race 1     "), "Regatix  Spring Cup     Race 1");
  EXPECT_EQ(DocumentName("race.txt"), "race");
  EXPECT_EQ(DocumentName("a.b c"), "a.b c");  // the point comes before the blank
  EXPECT_EQ(DocumentName(""), "");
}

TEST(KmlText, IconSpeedAndHeadingRounding) {
  EXPECT_EQ(IconHeading(356), 0);
  EXPECT_EQ(IconHeading(354.9), 350);
  EXPECT_EQ(IconHeading(355), 0);
  EXPECT_EQ(IconHeading(4.9), 0);
  EXPECT_EQ(IconHeading(5), 10);
  EXPECT_EQ(IconHeading(0), 0);
  EXPECT_EQ(IconHeading(std::nan("")), 0);
  EXPECT_DOUBLE_EQ(KmlSpeed(6.245), 6.25);
  EXPECT_DOUBLE_EQ(KmlSpeed(6.2449), 6.24);
  EXPECT_EQ(KmlHeading(359.9), 359);
}

TEST(KmlText, LineColourTakesTheLastSixDigits) {
  EXPECT_EQ(OpaqueColour("80FF0000"), "ffFF0000");
  EXPECT_EQ(OpaqueColour("7f00ff00"), "ff00ff00");
  EXPECT_EQ(OpaqueColour(""), "ffffffff");
}

}  // namespace
}  // namespace kml
