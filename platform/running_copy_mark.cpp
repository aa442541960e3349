#include "running_copy_mark.h"

namespace korvane {

RunningCopyMark::RunningCopyMark() = default;

RunningCopyMark::~RunningCopyMark() = default;

} // namespace korvane
