#pragma once

#include <QString>

namespace korvane {

// The text with every line break as one line feed: CR LF, a lone CR, and
// the paragraph separator that text copied out of a text box can carry.
// Qt's text boxes, message boxes and the clipboard all take and give line
// feeds, while the program's texts are written with CR LF.
QString WithLineFeeds(QString text);

} // namespace korvane
