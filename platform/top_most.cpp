#include "top_most.h"

namespace korvane {

void KeepTopMostWithoutActivating(QWidget*) {}

} // namespace korvane
