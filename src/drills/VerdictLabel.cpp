#include "drills/VerdictLabel.h"

#include "drills/DrillLayout.h"
#include "platform/Controls.h"

#include <QFontMetrics>
#include <algorithm>

namespace
{

// The verdict's type never gets smaller than 12 points.
constexpr int kVerdictSmallestPixels = 16;

} // namespace

VerdictLabel::VerdictLabel(QWidget *parent, const QRect &designed, const QRect &room, double points)
    : AnnouncementLabel(parent), m_designed(designed), m_room(room), m_points(points)
{
}

void VerdictLabel::showVerdict(const QString &text)
{
    // The text is written before the label shows, so a screen reader, which speaks the verdict as
    // it appears, never says the one left hidden from an earlier problem.
    announce(text);
    const int frame = 2 * frameWidth() + 2 * margin() + 4;
    // A prefix is enough to measure: anything longer is cut at the room's edge anyway.
    const QString sample = text.left(4096);
    QFont font = designFont(m_points);
    QSize needed;
    for (int pixels = font.pixelSize(); pixels >= kVerdictSmallestPixels; pixels -= 2) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const int width = std::clamp(metrics.horizontalAdvance(sample) + frame, m_designed.width(),
                                     m_room.width());
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width - frame, 1 << 20), Qt::TextWordWrap, sample);
        needed = QSize(width, std::max(m_designed.height(), wrapped.height() + frame));
        if (wrapped.width() + frame <= m_room.width() && needed.height() <= m_room.height()) {
            break;
        }
    }
    setFont(font);
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setGeometry(placeVerdict(m_designed, needed, m_room));
    show();
}
