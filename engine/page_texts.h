#pragma once

#include <string_view>

namespace korvane {

// What only the web page shows around the reading, in UTF-8. The page's
// build writes them into the page, so that the texts for an engine that
// could not load are there without it.

// While the engine is still loading, after the button was pressed.
inline constexpr std::string_view kPageEngineLoading = "Getting your reading ready…";

// When the engine could not be loaded, and the button that tries again.
inline constexpr std::string_view kPageEngineFailed =
    "Korvane could not load the part that works out your reading. Check your connection and "
    "try again.";
inline constexpr std::string_view kPageNoWebAssembly =
    "This browser cannot work out a reading: Korvane needs WebAssembly. Please open this page in "
    "a current browser.";
inline constexpr std::string_view kPageRetry = "Try Again";

// Shown by a browser that runs no scripts.
inline constexpr std::string_view kPageNoScript =
    "Korvane works out your reading in your browser, so it needs JavaScript and WebAssembly. "
    "Please turn JavaScript on, or open this page in a browser that has both.";

// When a new version of the page has been stored, and its button.
inline constexpr std::string_view kPageNewVersion = "A new version of Korvane is ready.";
inline constexpr std::string_view kPageReload = "Reload";

// The heading of a reading: {sign} and {kua} are replaced.
inline constexpr std::string_view kPageReadingHeading = "Your reading: {sign}, Kua Number {kua}";

// The result's commands.
inline constexpr std::string_view kPageShare = "Share this reading";
inline constexpr std::string_view kPagePicture = "Save as Picture";
inline constexpr std::string_view kPagePrint = "Print";
inline constexpr std::string_view kPageShareLink = "Link to this reading";
inline constexpr std::string_view kPageLinkCopied = "The link has been copied.";

// Refer-a-friend: once its request has opened, or when the browser kept the
// new tab from opening.
inline constexpr std::string_view kPageReferOpened =
    "Thank you! Your request has opened in a new tab.";
inline constexpr std::string_view kPagePopupBlocked =
    "Your browser did not open a new tab. Follow this link instead:";

} // namespace korvane
