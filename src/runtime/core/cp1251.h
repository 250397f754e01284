#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1251, the single-byte Cyrillic code page every stored text uses.
namespace Cp1251 {

QChar toUnicode(unsigned char byte);
// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> fromUnicode(QChar ch);

QString decode(const char* bytes, qsizetype size);
inline QString decode(const QByteArray& bytes) { return decode(bytes.constData(), bytes.size()); }

// The encoded text, or nothing when a character cannot be held; then
// badIndex (when given) receives the index of the first such character.
std::optional<QByteArray> encode(QStringView text, qsizetype* badIndex = nullptr);

// Upper case by the code page's own rules (Latin, Cyrillic, Ё and the
// other letters of the code page), byte for byte.
unsigned char upper(unsigned char byte);
QByteArray upper(QByteArray bytes);

}  // namespace Cp1251
