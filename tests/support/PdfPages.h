#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QSizeF>
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

// The first page's size in points, from its MediaBox; empty when there is none.
inline QSizeF pdfPageSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QSizeF();
    }
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(file.readAll()));
    if (!match.hasMatch()) {
        return QSizeF();
    }
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}
