#pragma once

#include <QString>
#include <optional>

// A sheet of paper in millimetres, portrait.
struct Paper {
    double widthMm = 0.0;
    double heightMm = 0.0;

    bool known() const { return widthMm > 0.0 && heightMm > 0.0; }
    static Paper a4() { return {210.0, 297.0}; }
    static Paper letter() { return {215.9, 279.4}; }
};

// The paper of the user's locale (LC_PAPER), as the C library gives it once the application has
// set the locale from the environment.
Paper localePaper();

// The C library gives whole millimetres: 216 x 279 is US Letter, whose true size is not whole.
Paper paperFromLocaleMillimetres(unsigned width, unsigned height);

// "a4" or "letter", as the command line takes them.
std::optional<Paper> paperNamed(const QString &name);
