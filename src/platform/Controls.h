#pragma once

// Building controls from their designed values. Control names carry a prefix for their kind:
// cmd push button, lbl label, txt line edit, cbo combo box, opt radio button, mnu menu action,
// img image label, frm window; every control's objectName is its design name.

#include "platform/ScreenRow.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLine>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QWidget>

// Colours as designed, &H00BBGGRR.
namespace DesignColor
{
constexpr quint32 Cyan = 0x00FFFF00;
constexpr quint32 LightPink = 0x00FFC0FF;
constexpr quint32 Red = 0x000000FF;
constexpr quint32 LightBlue = 0x00FFC0C0;
} // namespace DesignColor

QColor bgrColor(quint32 bgr);

// The designed faces are not on Linux; these map them onto faces the set-up installs.
void installFontSubstitutes();

// A font of the design at a size in points, set in pixels at 96 dpi (4/3 pixel a point), so the
// text keeps its designed size relative to the twip geometry whatever the screen's logical dpi.
QFont designFont(double points, bool bold = false,
                 const QString &family = QStringLiteral("MS Sans Serif"));

// The window's default font.
QFont defaultDesignFont();

// A designed background with the text, selection and bevel colours that read on it, the same on
// every desktop theme; the menu bar, dialogs and tooltips keep the desktop's own.
QPalette designPalette(quint32 bgr);
void setBackground(QWidget *widget, quint32 bgr);
void setTransparent(QWidget *widget);
void placeTwips(QWidget *widget, int left, int top, int width, int height);

// The caption's alignment in Qt's terms, text at the top of its box as designed.
Qt::Alignment alignmentFor(CaptionAlign align);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                  int width, int height, double points,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// Gives a label made elsewhere (a subclass) what makeLabel gives a plain one.
void shapeLabel(QLabel *label, const QString &name, const QString &caption, int left, int top,
                int width, int height, double points,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A label with a single-line border.
void setSingleBorder(QLabel *label);

// A push button that Return and Enter press as well as Space, in every window: outside a dialog
// Qt leaves Return to the default button, and these windows have none.
class CommandButton final : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption, int left,
                        int top, int width, int height, double points = 8.25);

// A drawn line between two points given in twips. A line with a spoken name (the division
// bracket's "divided by") is read by a screen reader; a plain rule is hidden from it.
class DrawnLine final : public QWidget
{
    Q_OBJECT
public:
    DrawnLine(QWidget *parent, const QString &name, int x1, int y1, int x2, int y2,
              const QString &spoken = QString());
    QLine line() const { return m_line; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line; // in the parent's pixels
};

// A control that takes part in the keyboard focus order, with its designed tab index.
using TabStop = QPair<int, QWidget *>;

// Sets the keyboard focus order by the designed tab indices and returns the control with the
// lowest, which has the focus when the window opens.
QWidget *setTabOrder(QList<TabStop> stops);
