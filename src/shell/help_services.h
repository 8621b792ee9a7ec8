#pragma once

#include <QString>
#include <QUrl>

#include "shell/desktop_opener.h"

// The Help menu's services. A missing viewer or browser is reported only to
// the caller's `failed`, which the window answers with its own help window or
// the address in a message.

// Writes the help document shipped inside the program into `folder` (created
// when missing) and returns the address of its start page, or an empty
// address when it cannot be written.
QUrl writeHelpDocument(const QString& folder);

// The help document inside the program, for a viewer of the program's own.
QUrl embeddedHelpUrl();

// The help document as a local file in the user's cache, ready for the
// desktop's viewer.
QUrl helpDocumentUrl();

// F1 and Help > Content: the help document in the desktop's viewer; `failed`
// when it cannot be written or no viewer opens it.
void openHelp(const OpenFailed& failed, const DesktopOpener& opener = desktopOpener());

// Opens a web address with the browser program the platform has registered,
// where it keeps one as a command; elsewhere, or when no program can be read
// from that command, with the desktop's opener.
void openInBrowser(const QString& url, const OpenFailed& failed, const DesktopOpener& opener = desktopOpener());

// Help > Visit Home Page and the about box's button.
void openHomePage(const OpenFailed& failed, const DesktopOpener& opener = desktopOpener());
