#pragma once

#include <QString>
#include <QUrl>

// The Help menu's services. None of them reports a failure: a missing viewer
// or browser leaves the program as it was.

// Writes the help document shipped inside the program into `folder` (created
// when missing) and returns the address of its start page, or an empty
// address when it cannot be written.
QUrl writeHelpDocument(const QString& folder);

// The help document as a local file in the user's cache, ready for the
// desktop's viewer.
QUrl helpDocumentUrl();

// F1 and Help > Content: the help document in the desktop's viewer.
void openHelp();

// Opens a web address with the browser program the platform has registered,
// where it keeps one as a command; elsewhere, or when no program can be read
// from that command, with the desktop's own opener.
void openInBrowser(const QString& url);

// Help > Visit Home Page and the about box's button.
void openHomePage();
