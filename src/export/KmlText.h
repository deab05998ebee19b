// The small texts of a KML file: escaped names, CDATA contents, numbers, degrees, icon names and colours.
#pragma once

#include <string>
#include <string_view>

namespace kml {

// Text for element content or an attribute: &, <, >, quotes as entities; bytes that are not valid UTF-8
// become U+FFFD and control characters that XML forbids are dropped, so any race file yields a
// well-formed document.
std::string XmlText(std::string_view text);

// Text for the inside of a CDATA section: the same character clean-up, and every "]]>" split across two
// sections so it cannot end the section early.
std::string CdataText(std::string_view text);

// The general number text (race::FormatGeneral); a whole-race export appends millions of them to its lines.
std::string NumberText(double value);
void AppendNumber(std::string& out, double value);

// A stored position (minutes of arc) as decimal degrees.
inline void AppendDegrees(std::string& out, double minutes) {
  AppendNumber(out, minutes / 60);
}

// The document name: the caption from the character after its first blank up to its first "."; empty
// when it has no "." after that point.
std::string DocumentName(std::string_view raceCaption);

// The race's title for the newer exports (race with time, GPX): the caption from the character after its
// first blank up to its first "." or its end, with runs of blanks made one and none at either end.
std::string RaceTitle(std::string_view raceCaption);

// Course rounded to the nearest 10 degrees, halves up, 360 written as 0: the N of "arN.png".
int IconHeading(double course);
// Speed to two decimals, halves up.
double KmlSpeed(double knots);
// Heading truncated to whole degrees.
int KmlHeading(double course);

// "ff" and the last six digits (bbggrr) of a KML colour; white when the text is too short to have them.
std::string OpaqueColour(std::string_view kmlColour);

}  // namespace kml
