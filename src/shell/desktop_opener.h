#pragma once

#include <QUrl>
#include <functional>

// Hands an address (a web page, a local document) to the desktop, and says
// when nothing could open it, so that the caller can offer another way.
using OpenFailed = std::function<void()>;
using DesktopOpener = std::function<void(const QUrl& url, const OpenFailed& failed)>;

// The desktop's own opener. Where the desktop opens addresses through
// xdg-open, that program is run and watched: `failed` is called, on the
// calling thread and possibly later, when it is missing, cannot start or ends
// with a failure (it has found no program for the address). Elsewhere
// `failed` is called when QDesktopServices cannot open the address.
DesktopOpener desktopOpener();
