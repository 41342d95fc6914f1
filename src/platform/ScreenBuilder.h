#pragma once

#include "platform/Controls.h"
#include "platform/ScreenRow.h"

#include <QList>
#include <QPair>
#include <QPointer>

class QFontMetrics;
class QLabel;
class QPushButton;

// The room a caption takes beyond its text, which fitCaption grows a box by and the layout
// tests check against: a push button's bevel and padding, a frame title's corners and padding.
namespace captionRoom
{
constexpr int buttonBevel = 8;
constexpr int buttonPadding = 6;
constexpr int frameTitlePadding = 16;
// How much of the font's descent below the last baseline a caption leaves unused: only its
// letters' own descent counts, so a sign such as "+" stands whole in a box shorter than the
// font's full line.
int unusedDescent(const QFontMetrics &metrics, const QString &text);
} // namespace captionRoom

// Builds a screen's controls from its table rows: each gets its design name, caption, type and
// designed box; the focusable ones are collected for the tab order, and prompts are made the
// buddies of the controls they name once all are built.
class ScreenBuilder
{
public:
    // Captions are translated in `context`; with none, they are used as the table has them.
    explicit ScreenBuilder(QWidget *client, const char *context = nullptr,
                           const QString &family = QStringLiteral("MS Sans Serif"));

    template <typename Role> QLabel *label(const ScreenRow<Role> &row, QWidget *parent = nullptr)
    {
        return makeDesignLabel(parent, row.name, caption(row.caption, row.disambiguation),
                               row.twips(), row.points, row.bold, row.align, row.buddy);
    }
    // A label whose caption the program writes later.
    template <typename Role>
    QLabel *blankLabel(const ScreenRow<Role> &row, QWidget *parent = nullptr)
    {
        return makeDesignLabel(parent, row.name, QString(), row.twips(), row.points, row.bold,
                               row.align, row.buddy);
    }
    template <typename Role> QPushButton *button(const ScreenRow<Role> &row)
    {
        QPushButton *made = makeButton(m_client, row.name, caption(row.caption, row.disambiguation),
                                       row.left, row.top, row.width, row.height, row.points);
        tabStop(made, row.tabIndex);
        m_captioned.append(made);
        return made;
    }
    // Gives a control made elsewhere its name, type and box, and its place in the tab order.
    template <typename Role> void place(QWidget *control, const ScreenRow<Role> &row)
    {
        control->setObjectName(row.name);
        control->setFont(designFont(row.points, row.bold, m_family));
        placeTwips(control, row.left, row.top, row.width, row.height);
        tabStop(control, row.tabIndex);
        m_captioned.append(control);
    }

    QString caption(const QString &text, const char *disambiguation = nullptr) const;
    void tabStop(QWidget *control, int tabIndex);
    // Fits every caption made so far (see fitCaption), names the prompts' buddies and sets the
    // tab order; returns the control with the first focus, null when none takes it.
    QWidget *finish();

private:
    QLabel *makeDesignLabel(QWidget *parent, const QString &name, const QString &text,
                            const QRect &twips, double points, bool bold, CaptionAlign align,
                            const QString &buddy);

    QWidget *m_client;
    const char *m_context;
    QString m_family;
    QList<TabStop> m_stops;
    QList<QPair<QPointer<QLabel>, QString>> m_prompts;
    QList<QPointer<QWidget>> m_captioned;
};

// Makes a control's caption fit when a translation needs more room than the box designed for
// the English one: the box grows sideways into free room (away from the side its text is
// aligned to, both ways when centred), then its text wraps at blanks and the box grows down,
// and up, into free room. It never covers another control of its holder and stays inside it;
// a caption that fits as it is leaves the box as designed. Labels, push buttons, option buttons
// and frames; a caption the program writes later is fitted where it is written.
void fitCaption(QWidget *control);
