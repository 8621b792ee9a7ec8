#include "window/function_selector.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr int itemPadding = 14;  // text width plus this is an item's width
constexpr int itemGap = 2;

}  // namespace

FunctionSelector::FunctionSelector(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::idClicked, this, &FunctionSelector::choose);
}

void FunctionSelector::addItem(const QString& text, const QString& tooltip)
{
    auto* item = new QPushButton(text, this);
    item->setCheckable(true);
    item->setFlat(true);
    item->setFocusPolicy(Qt::NoFocus);
    item->setToolTip(tooltip);
    item->setFont(font());
    const int width = QFontMetrics(font()).horizontalAdvance(text) + itemPadding;
    item->setGeometry(nextX_, 0, width, height());
    nextX_ += width + itemGap;
    group_.addButton(item, count());
    if (count() == 1) item->setChecked(true);
    item->show();
}

int FunctionSelector::count() const { return static_cast<int>(group_.buttons().size()); }

int FunctionSelector::currentIndex() const { return group_.checkedId(); }

void FunctionSelector::setCurrentIndex(int index)
{
    if (QAbstractButton* item = group_.button(index)) item->setChecked(true);
    showFocus(hasFocus());
}

QPushButton* FunctionSelector::button(int index) const { return static_cast<QPushButton*>(group_.button(index)); }

void FunctionSelector::choose(int index)
{
    setCurrentIndex(index);
    emit activated(index);
}

void FunctionSelector::keyPressEvent(QKeyEvent* event)
{
    const int current = currentIndex();
    if (event->key() == Qt::Key_Left && current > 0) {
        choose(current - 1);
    } else if (event->key() == Qt::Key_Right && current + 1 < count()) {
        choose(current + 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void FunctionSelector::focusInEvent(QFocusEvent* event)
{
    showFocus(true);
    QWidget::focusInEvent(event);
}

void FunctionSelector::focusOutEvent(QFocusEvent* event)
{
    showFocus(false);
    QWidget::focusOutEvent(event);
}

void FunctionSelector::showFocus(bool focused)
{
    // The buttons never take the focus themselves; an underline on the group
    // shows where the keyboard is.
    for (QAbstractButton* item : group_.buttons()) {
        QFont itemFont = item->font();
        itemFont.setUnderline(focused && item->isChecked());
        item->setFont(itemFont);
    }
}
