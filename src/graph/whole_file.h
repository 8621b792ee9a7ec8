#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to the file at `path` so that the file appears only complete:
// they go to a temporary file beside it, every byte's write is checked (a full
// disk or a file-size limit often ends a write short without an error, and a
// buffered device then loses the rest unreported), the data is flushed to the
// disk, and only then does the temporary file take the name. A device, a
// pipe or a folder at `path` is refused, never replaced (renaming over a
// device node, as root may, would remove the device). On failure nothing is
// left behind, whatever was at `path` stays, and the result says why (as the
// system words it); on success it is empty.
QString writeWholeFile(const QString& path, const QByteArray& bytes);
