#include "window/about_box.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "graph/ui_font.h"
#include "shell/help_services.h"
#include "shell/product.h"

namespace {

// The box and its items in dialog units.
constexpr QSize boxSize(217, 93);
constexpr QRect textBlock(65, 7, 145, 47);
constexpr QRect iconPlace(24, 20, 21, 20);
constexpr QRect homePageButton(7, 74, 139, 14);
constexpr QRect okButton(160, 74, 50, 14);
constexpr int iconPixels = 32;
constexpr int aboutFontCharacterHeight = 11;

// a * b / c rounded half away from zero, as dialog layouts scale.
int multiplyDivide(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

QString aboutText()
{
    const QString title = QString::fromLatin1(product::title);
    return QStringList{
        QString(),
        title + QStringLiteral(", distribution viewer"),
        QString(),
        QStringLiteral("Copyright \u00A9 2026 %1").arg(QString::fromLatin1(product::makerName)),
        QString::fromLatin1(product::makerWebAddress),
        QString(),
        QString(),
    }
        .join(QLatin1Char('\n'));
}

}  // namespace

DialogBaseUnits dialogBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, uiFontCellMetrics(font).height()};
}

QRect dialogUnitsToPixels(const QRect& units, DialogBaseUnits base)
{
    return QRect(multiplyDivide(units.x(), base.width, 4), multiplyDivide(units.y(), base.height, 8),
                 multiplyDivide(units.width(), base.width, 4), multiplyDivide(units.height(), base.height, 8));
}

AboutBox::AboutBox(QWidget* parent, std::function<void()> openHomePage)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      openHomePage_(openHomePage ? std::move(openHomePage) : std::function<void()>([] { ::openHomePage({}); }))
{
    setWindowTitle(QString::fromLatin1(product::title) + QStringLiteral(" :: About"));
    setModal(true);
    // Tahoma 8 points at 96 dots per inch: a character height of 11 pixels.
    const QFont font = uiFont(aboutFontCharacterHeight);
    setFont(font);
    const DialogBaseUnits base = dialogBaseUnits(font);
    setFixedSize(dialogUnitsToPixels(QRect(QPoint(0, 0), boxSize), base).size());

    auto* text = new QLabel(aboutText(), this);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setGeometry(dialogUnitsToPixels(textBlock, base));

    // The icon keeps its own 32 x 32 pixels at the item's corner.
    auto* icon = new QLabel(this);
    const QIcon programIcon = parent ? parent->windowIcon() : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(iconPixels, iconPixels));
    icon->setGeometry(QRect(dialogUnitsToPixels(iconPlace, base).topLeft(), QSize(iconPixels, iconPixels)));

    auto* visit = new QPushButton(QStringLiteral("Visit Home Page..."), this);
    visit->setGeometry(dialogUnitsToPixels(homePageButton, base));
    connect(visit, &QPushButton::clicked, this, [this] {
        openHomePage_();
        done(1);
    });
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(dialogUnitsToPixels(okButton, base));
    connect(ok, &QPushButton::clicked, this, [this] { done(1); });
}

void AboutBox::keyPressEvent(QKeyEvent* event)
{
    // Escape is a cancel the box does not answer; only its buttons and the close box end it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QApplication::primaryScreen();
    if (screen) move(screen->geometry().center() - rect().center());
}

int showAbout(QWidget* parent, std::function<void()> openHomePage)
{
    AboutBox box(parent, std::move(openHomePage));
    return box.exec();
}
