// Small builders for the controls the windows place by hand.
#include "ui/WindowControls.h"

#include "shared/FontSubstitutes.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QToolButton>

namespace WindowControls {

QFont pixelFont(const QString &family, int pixels, bool bold, bool italic)
{
    QFont font(FontSubstitutes::installedFamily(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    // Fitted to the pixel grid across too: every advance is a whole pixel, so a text placed by
    // the pixel measures the same wherever it stands, and each letter is rasterised once, not
    // once for each fraction of a pixel it starts at.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void setTextColor(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    const QColor resolved = Colors::toQColor(color, palette);
    palette.setColor(QPalette::WindowText, resolved);
    palette.setColor(QPalette::Text, resolved);
    widget->setPalette(palette);
}

QLabel *placeLabel(QWidget *parent, const char *name, int left, int top, const QString &text,
                   const QFont &font, TColor color)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    setTextColor(label, color);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QFrame *placeBevel(QWidget *parent, const char *name, const QRect &geometry, QFrame::Shape shape)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setFrameStyle(shape | QFrame::Sunken);
    bevel->setGeometry(geometry);
    return bevel;
}

QToolButton *placeSpeedButton(QWidget *parent, const char *name, const QRect &geometry,
                              const QIcon &picture, const QSize &pictureSize)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(picture);
    button->setIconSize(pictureSize);
    button->setGeometry(geometry);
    return button;
}

void closeWithKeys(QWidget *window)
{
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto *shortcut = new QShortcut(keys, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
    }
}

} // namespace WindowControls
