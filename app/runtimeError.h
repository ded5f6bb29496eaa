#pragma once

#include <QString>

// A runtime error as the player sees it reported: its number and its text.
// Both are owned, so the error can outlive whatever raised it.
class RuntimeError
{
public:
    RuntimeError(int number, QString text) : m_number(number), m_text(std::move(text)) {}

    static RuntimeError overflow() { return {6, QStringLiteral("Overflow")}; }
    static RuntimeError subscriptOutOfRange() { return {9, QStringLiteral("Subscript out of range")}; }

    int number() const { return m_number; }
    const QString &text() const { return m_text; }

private:
    int m_number;
    QString m_text;
};
