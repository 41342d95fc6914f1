#pragma once

// The bands of school grades that choose how large the operands are, in the drills and on the
// worksheets: 1 or 2, 3 or 4, and above 4. Any other number (0, negative, 1.5, 3.5) is in no band.
enum class GradeBand { None, Grades1To2, Grades3To4, Grades5To6 };

constexpr GradeBand gradeBandOf(double grade)
{
    if (grade == 1.0 || grade == 2.0) {
        return GradeBand::Grades1To2;
    }
    if (grade == 3.0 || grade == 4.0) {
        return GradeBand::Grades3To4;
    }
    return grade > 4.0 ? GradeBand::Grades5To6 : GradeBand::None;
}
