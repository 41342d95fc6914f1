#pragma once

#include <QRect>
#include <QString>

// Where a control's caption stands inside its box.
enum class CaptionAlign { Left, Centre, Right };

// For a control that takes no part in the keyboard focus order.
constexpr int kNoTabStop = -1;

// One control of a designed screen, in twips as designed, so that a table of rows can be compared
// line by line with the design. Each window has its own Role enumeration: the window builds, keeps
// and connects each control by its role; one builder makes what the rows have in common.
template <typename Role> struct ScreenRow {
    Role role;
    QString name;    // the design name, which becomes the control's objectName
    QString caption; // fixed caption, empty where the program writes it
    int left;
    int top;
    int width;
    int height;
    double points; // type size
    int tabIndex;  // position in the tab order, kNoTabStop for none; 0 has the first focus
    CaptionAlign align;
    bool bold{false};
    QString buddy{}; // a prompt: the control it names for a screen reader
    QString toolTip{};
    // Tells apart two texts of the same words in the catalogue ("Exit" that only closes a window).
    const char *disambiguation{nullptr};

    QRect twips() const { return QRect(left, top, width, height); }
};

// The first row with the role; null when the table has none.
template <typename Role>
const ScreenRow<Role> *findRow(const QList<ScreenRow<Role>> &rows, Role role)
{
    for (const ScreenRow<Role> &row : rows) {
        if (row.role == role) {
            return &row;
        }
    }
    return nullptr;
}
