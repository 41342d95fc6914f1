#include "platform/ScreenBuilder.h"

#include "platform/Texts.h"

#include <QLabel>

ScreenBuilder::ScreenBuilder(QWidget *client, const char *context, const QString &family)
    : m_client(client), m_context(context), m_family(family)
{
}

QString ScreenBuilder::caption(const QString &text) const
{
    return m_context == nullptr ? text : translated(m_context, text);
}

void ScreenBuilder::tabStop(QWidget *control, int tabIndex)
{
    // A group box's tab index orders nothing: it never takes the focus itself.
    if (tabIndex != kNoTabStop && control->focusPolicy() != Qt::NoFocus) {
        m_stops.append({tabIndex, control});
    }
}

QLabel *ScreenBuilder::makeDesignLabel(QWidget *parent, const QString &name, const QString &text,
                                       const QRect &twips, double points, bool bold,
                                       CaptionAlign align, const QString &buddy)
{
    QLabel *made = makeLabel(parent != nullptr ? parent : m_client, name, text, twips.x(),
                             twips.y(), twips.width(), twips.height(), points, alignmentFor(align));
    made->setFont(designFont(points, bold, m_family));
    if (!buddy.isEmpty()) {
        m_prompts.append({made, buddy});
    }
    return made;
}

QWidget *ScreenBuilder::finish()
{
    for (const auto &[prompt, buddy] : std::as_const(m_prompts)) {
        if (prompt != nullptr) {
            prompt->setBuddy(m_client->findChild<QWidget *>(buddy));
        }
    }
    return m_stops.isEmpty() ? nullptr : setTabOrder(m_stops);
}
