// Labels of the course points.
#include "view/DrawStyle.h"

namespace view {

std::string CoursePointLabel(const char* prefix, int number) {
  std::string label(prefix);
  label.append(std::to_string(number));  // appended, not concatenated: keeps GCC 12's -Wrestrict quiet at -O3
  return label;
}

}  // namespace view
