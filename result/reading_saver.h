#pragma once

#include "reading_for.h"

class QWidget;

namespace korvane {

// Saves a reading where the user says, in the desktop's own save dialog: as
// the picture the web page makes (PNG) or as a one-page PDF on the user's
// paper. The file is written beside its place first and only then takes the
// name, so that a failed save leaves nothing half-written; a folder that
// cannot be written is said in a message.
void SaveReading(QWidget* parent, const Reading& reading);

} // namespace korvane
