#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

// The pages of a PDF file, counted by their page objects; -1 when the file cannot be read.
inline int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    return static_cast<int>(text.count(page));
}
