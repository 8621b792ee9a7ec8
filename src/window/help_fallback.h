#pragma once

#include <QTextBrowser>

class QMessageBox;

// The manual in a window of the program's own, for a desktop where no viewer
// opens it: the same HTML as the shipped help, its links followed inside the
// window (web addresses go to the desktop).
class HelpWindow : public QTextBrowser {
public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

// The home page's address in a message, for a desktop without a browser; the
// text can be selected and copied. The message is shown and not waited for.
QMessageBox* showAddressMessage(QWidget* parent, const QString& address);
