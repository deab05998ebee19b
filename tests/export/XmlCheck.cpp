// Reads an exported document with expat, a real XML parser, so a test proves well-formedness.
#include "XmlCheck.h"

#include <expat.h>

namespace kmltest {
namespace {

struct State {
  ParsedKml* result = nullptr;
  std::vector<std::string> elements;     // open element names
  std::vector<std::string> folderNames;  // name of each open folder
  std::string text;                      // character data of the innermost element
};

void Start(void* data, const XML_Char* name, const XML_Char**) {
  auto& s = *static_cast<State*>(data);
  s.elements.emplace_back(name);
  if (s.elements.back() == "Folder") s.folderNames.emplace_back();
  s.text.clear();
}

void End(void* data, const XML_Char* name) {
  auto& s = *static_cast<State*>(data);
  const std::string element = name;
  s.elements.pop_back();
  const std::string parent = s.elements.empty() ? std::string() : s.elements.back();
  if (element == "name" && parent == "Folder") {
    s.folderNames.back() = s.text;
  } else if (element == "name" && parent == "Placemark" && !s.folderNames.empty()) {
    s.result->placemarks[s.folderNames.back()].push_back(s.text);
  } else if (element == "description") {
    s.result->descriptions.push_back(s.text);
  } else if (element == "Folder") {
    s.folderNames.pop_back();
  }
  s.text.clear();
}

void Characters(void* data, const XML_Char* text, int length) {
  static_cast<State*>(data)->text.append(text, static_cast<size_t>(length));
}

}  // namespace

ParsedKml ParseKml(const std::string& document) {
  ParsedKml result;
  State state;
  state.result = &result;
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, &state);
  XML_SetElementHandler(parser, Start, End);
  XML_SetCharacterDataHandler(parser, Characters);
  if (XML_Parse(parser, document.data(), static_cast<int>(document.size()), XML_TRUE) == XML_STATUS_ERROR) {
    result.error = std::string(XML_ErrorString(XML_GetErrorCode(parser))) + " at line " +
                   std::to_string(XML_GetCurrentLineNumber(parser));
  }
  XML_ParserFree(parser);
  return result;
}

}  // namespace kmltest
