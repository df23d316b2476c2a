#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The ANSI code page of the desktop systems that exchange data files with the program: Latin-1
// with typographic characters (the euro sign, dashes, curly quotes) in 0x80-0x9F.
namespace Windows1252 {

// Nothing when the text holds a character that the code page lacks.
std::optional<QByteArray> encode(const QString &text);

// Every byte decodes; the five unassigned ones stand for the control characters of their value.
QString decode(const QByteArray &bytes);

} // namespace Windows1252
