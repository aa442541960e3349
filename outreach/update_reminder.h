#pragma once

namespace korvane {

// At start-up: once 15 or more days lie between today and the last reminder
// (either way), asks whether to look for an update and, on Yes, opens the
// download page. The date of the last reminder is kept scrambled in the
// per-user settings store.
void CheckUpdateReminder();

} // namespace korvane
