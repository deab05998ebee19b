// Reads an exported document with expat: whether it is well-formed, and the placemarks of each folder.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace kmltest {

struct ParsedKml {
  std::string error;  // empty when the document is well-formed
  // Names of the placemarks directly inside each folder, keyed by the folder's name.
  std::map<std::string, std::vector<std::string>> placemarks;
  // Character data of every <description>, in order (CDATA sections joined).
  std::vector<std::string> descriptions;
};

ParsedKml ParseKml(const std::string& document);

}  // namespace kmltest
