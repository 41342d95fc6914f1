#include "platform/ScreenBuilder.h"

#include "platform/Texts.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <optional>

ScreenBuilder::ScreenBuilder(QWidget *client, const char *context, const QString &family)
    : m_client(client), m_context(context), m_family(family)
{
}

QString ScreenBuilder::caption(const QString &text, const char *disambiguation) const
{
    return m_context == nullptr ? text : translated(m_context, text, disambiguation);
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
    m_captioned.append(made);
    return made;
}

QWidget *ScreenBuilder::finish()
{
    // In table order: a box that grew is room taken for the rows after it.
    for (const QPointer<QWidget> &control : std::as_const(m_captioned)) {
        if (control != nullptr) {
            fitCaption(control);
        }
    }
    for (const auto &[prompt, buddy] : std::as_const(m_prompts)) {
        if (prompt != nullptr) {
            prompt->setBuddy(m_client->findChild<QWidget *>(buddy));
        }
    }
    return m_stops.isEmpty() ? nullptr : setTabOrder(m_stops);
}

namespace
{

// Pixels kept free beside a box grown sideways, between it and its neighbours or its holder's
// edge. A box grown down or up may reach its neighbour's edge: the rows of a drill stand close.
constexpr int kGap = 2;

// How a caption needs room: the box it takes at a given width, and whether it can wrap.
struct CaptionNeed {
    // The size the caption needs in a box `width` wide (its width is more than `width` when a
    // word is longer than the box).
    std::function<QSize(int width)> sizeAt;
    int oneLineWidth = 0;
    Qt::Alignment align = Qt::AlignHCenter;
    // Called with the final width, for a caption wrapped by hand.
    std::function<void(int width)> wrapTo;
};

// Breaks a button's caption at its blanks into lines no wider than `room`, where the words allow.
QStringList wrappedLines(const QString &text, const QFontMetrics &metrics, int room)
{
    QStringList lines;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= room) {
            lines.last() += QLatin1Char(' ') + word;
        } else {
            lines.append(word);
        }
    }
    return lines;
}

int widestLine(const QStringList &lines, const QFontMetrics &metrics)
{
    int widest = 0;
    for (const QString &line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

std::optional<CaptionNeed> needOf(QWidget *control)
{
    const QFontMetrics metrics(control->font());
    CaptionNeed need;
    if (auto *label = qobject_cast<QLabel *>(control)) {
        const QString text = label->text();
        if (text.isEmpty()) {
            return std::nullopt;
        }
        need.align = label->alignment() & Qt::AlignHorizontal_Mask;
        int insetWidth = label->width() - label->contentsRect().width();
        const int insetHeight = label->height() - label->contentsRect().height();
        // A framed label indents its text by half an x on the side it is aligned to.
        if (label->indent() < 0 && label->frameWidth() > 0 &&
            (need.align & (Qt::AlignLeft | Qt::AlignRight)) != 0) {
            insetWidth +=
                std::max(0, metrics.horizontalAdvance(QLatin1Char('x')) / 2 - label->margin());
        }
        const int flags = int(need.align) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        need.oneLineWidth = metrics.size(0, text).width() + insetWidth;
        const int unusedDescent = captionRoom::unusedDescent(metrics, text);
        need.sizeAt = [metrics, text, flags, insetWidth, insetHeight, unusedDescent](int width) {
            const QRect used =
                metrics.boundingRect(QRect(0, 0, width - insetWidth, 1 << 20), flags, text);
            return QSize(used.width() + insetWidth, used.height() - unusedDescent + insetHeight);
        };
        return need;
    }
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        // A wrapped caption is joined again, so a second fit starts from the whole text.
        const QString text = button->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (text.isEmpty()) {
            return std::nullopt;
        }
        need.oneLineWidth = metrics.horizontalAdvance(text) + captionRoom::buttonBevel;
        need.sizeAt = [metrics, text](int width) {
            const QStringList lines = wrappedLines(text, metrics, width - captionRoom::buttonBevel);
            return QSize(widestLine(lines, metrics) + captionRoom::buttonBevel,
                         int(lines.size()) * metrics.lineSpacing() + captionRoom::buttonPadding);
        };
        need.wrapTo = [button, metrics, text](int width) {
            const QStringList lines = wrappedLines(text, metrics, width - captionRoom::buttonBevel);
            if (lines.size() > 1) {
                // A screen reader says the caption as one line.
                if (button->accessibleName().isEmpty()) {
                    button->setAccessibleName(text);
                }
                button->setText(lines.join(QLatin1Char('\n')));
            }
        };
        return need;
    }
    if (auto *option = qobject_cast<QAbstractButton *>(control)) {
        if (option->text().isEmpty()) {
            return std::nullopt;
        }
        need.align = Qt::AlignLeft;
        need.oneLineWidth = option->sizeHint().width();
        const int height = option->height();
        need.sizeAt = [need, height](int) { return QSize(need.oneLineWidth, height); };
        return need;
    }
    if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        if (frame->title().isEmpty()) {
            return std::nullopt;
        }
        need.align = Qt::AlignLeft;
        need.oneLineWidth =
            metrics.horizontalAdvance(frame->title()) + captionRoom::frameTitlePadding;
        const int height = frame->height();
        need.sizeAt = [need, height](int) { return QSize(need.oneLineWidth, height); };
        return need;
    }
    return std::nullopt;
}

bool fitsIn(const CaptionNeed &need, const QSize &box)
{
    const QSize used = need.sizeAt(box.width());
    return used.width() <= box.width() && used.height() <= box.height();
}

// The boxes of the other controls in the same holder; hidden ones and those the box already
// touches as designed do not count.
QList<QRect> neighbours(const QWidget *control)
{
    QList<QRect> boxes;
    for (QObject *child : control->parentWidget()->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget == nullptr || widget == control || widget->isWindow() ||
            widget->geometry().isEmpty() || widget->geometry().intersects(control->geometry())) {
            continue;
        }
        if (widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden()) {
            continue;
        }
        boxes.append(widget->geometry());
    }
    return boxes;
}

// Grows [low, high] by `more` within [lowest, highest], first towards the side `first` says
// (-1 low, +1 high, 0 both halves), the rest the other way.
void growSpan(int &low, int &high, int more, int lowest, int highest, int first)
{
    int towardsLow = first < 0 ? more : first > 0 ? 0 : more / 2;
    int towardsHigh = more - towardsLow;
    const int roomLow = low - lowest;
    const int roomHigh = highest - high;
    if (towardsLow > roomLow) {
        towardsHigh += towardsLow - roomLow;
        towardsLow = roomLow;
    }
    if (towardsHigh > roomHigh) {
        towardsLow = std::min(roomLow, towardsLow + towardsHigh - roomHigh);
        towardsHigh = roomHigh;
    }
    low -= towardsLow;
    high += towardsHigh;
}

} // namespace

int captionRoom::unusedDescent(const QFontMetrics &metrics, const QString &text)
{
    return std::max(0,
                    metrics.descent() - std::max(0, metrics.tightBoundingRect(text).bottom() + 1));
}

void fitCaption(QWidget *control)
{
    QWidget *holder = control->parentWidget();
    if (holder == nullptr) {
        return;
    }
    const std::optional<CaptionNeed> need = needOf(control);
    if (!need) {
        return;
    }
    if (fitsIn(*need, control->size())) {
        // A button's caption that fits on more lines in its designed box is wrapped there.
        if (need->wrapTo) {
            need->wrapTo(control->width());
        }
        return;
    }
    QRect box = control->geometry();
    const QRect inside = holder->contentsRect().adjusted(kGap, kGap, -kGap, -kGap);
    const QList<QRect> others = neighbours(control);

    // Sideways, within the other controls beside it.
    int lowest = std::min(inside.left(), box.left());
    int highest = std::max(inside.right(), box.right());
    for (const QRect &other : others) {
        if (other.bottom() >= box.top() && other.top() <= box.bottom()) {
            if (other.right() < box.left()) {
                lowest = std::max(lowest, std::min(box.left(), other.right() + 1 + kGap));
            } else if (other.left() > box.right()) {
                highest = std::min(highest, std::max(box.right(), other.left() - 1 - kGap));
            }
        }
    }
    const int first = need->align & Qt::AlignLeft ? 1 : need->align & Qt::AlignRight ? -1 : 0;
    int left = box.left();
    int right = box.right();
    if (need->oneLineWidth > box.width()) {
        growSpan(left, right, need->oneLineWidth - box.width(), lowest, highest, first);
        box.setLeft(left);
        box.setRight(right);
    }

    // Then down, and up, within the other controls above and below it, for the lines it wraps to.
    const int height = need->sizeAt(box.width()).height();
    if (height > box.height()) {
        const QRect holderRect = holder->contentsRect();
        int top = std::min(holderRect.top(), box.top());
        int bottom = std::max(holderRect.bottom(), box.bottom());
        for (const QRect &other : others) {
            if (other.right() >= box.left() && other.left() <= box.right()) {
                if (other.bottom() < box.top()) {
                    top = std::max(top, std::min(box.top(), other.bottom() + 1));
                } else if (other.top() > box.bottom()) {
                    bottom = std::min(bottom, std::max(box.bottom(), other.top() - 1));
                }
            }
        }
        int upper = box.top();
        int lower = box.bottom();
        growSpan(upper, lower, height - box.height(), top, bottom, 1);
        box.setTop(upper);
        box.setBottom(lower);
    }
    if (need->wrapTo) {
        need->wrapTo(box.width());
    }
    control->setGeometry(box);
}
