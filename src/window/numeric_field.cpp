#include "window/numeric_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "shell/numeric_filter.h"

NumericField::NumericField(QWidget* parent) : QLineEdit(parent)
{
    // Composed input would bypass the character filter; dropped text likewise.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
}

void NumericField::pasteFiltered()
{
    if (isReadOnly()) return;
    pasteFrom(QApplication::clipboard()->text(QClipboard::Clipboard));
}

void NumericField::pasteFrom(const QString& clipboardText)
{
    if (clipboardText.isEmpty()) return;
    const QByteArray current = text().toUtf8();
    const QByteArray pasted = clipboardText.toUtf8();
    if (!acceptPaste({current.constData(), static_cast<size_t>(current.size())},
                     {pasted.constData(), static_cast<size_t>(pasted.size())}, cursorPosition() == 0)) {
        return;
    }
    insert(clipboardText);
}

void NumericField::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1) {
        const QByteArray current = text().toUtf8();
        switch (filterTypedCharacter(typed.at(0).unicode(), {current.constData(), static_cast<size_t>(current.size())},
                                     cursorPosition() == 0)) {
            case TypedCharacterAction::Drop:
                event->accept();
                return;
            case TypedCharacterAction::NotifyAndPass:
                emit returnPressedInField(this);
                break;
            case TypedCharacterAction::Pass:
                break;
        }
    } else if (typed.size() > 1) {
        // Several characters from one key (dead-key sequences) are not a number's.
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::contextMenuEvent(QContextMenuEvent* event)
{
    // The field's own menu, so that its paste goes through the rules too.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const auto add = [menu](const QString& text, QKeySequence::StandardKey key, bool enabled, auto slot) {
        QAction* action = menu->addAction(text, slot);
        action->setShortcut(key);
        action->setEnabled(enabled);
        return action;
    };
    add(tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(), [this] { undo(); });
    add(tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(), [this] { redo(); });
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, editable && selected, [this] { cut(); });
    add(tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); });
    QAction* pasteAction = add(tr("&Paste"), QKeySequence::Paste,
                               editable && !QApplication::clipboard()->text().isEmpty(), [this] { pasteFiltered(); });
    pasteAction->setObjectName(QStringLiteral("edit-paste"));
    add(tr("Delete"), QKeySequence::Delete, editable && selected, [this] { del(); });
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, !text().isEmpty(), [this] { selectAll(); });
    menu->popup(event->globalPos());
}

void NumericField::mouseReleaseEvent(QMouseEvent* event)
{
    // The X11 selection paste with the middle button goes through the rules too.
    if (event->button() == Qt::MiddleButton) {
        const QClipboard* clipboard = QApplication::clipboard();
        if (!isReadOnly() && clipboard->supportsSelection()) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            pasteFrom(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void paintAsReadOnly(QLineEdit* field)
{
    QPalette readOnly = field->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Button));
    field->setPalette(readOnly);
}
