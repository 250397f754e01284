#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Stored record images with their runs of blanks shortened: most text
// fields of a record are blank or half full, so an image of 2920 bytes
// usually shrinks to a fraction. A run of three or more blanks becomes the
// marker byte and the run's length (1..255); a marker byte of the image
// itself becomes the marker and 0. Every other byte stands for itself.
namespace ImageCodec {

QByteArray pack(QByteArrayView image);
// The image of exactly `length` bytes, or false when the packed bytes do not
// give one (a damaged record).
bool unpack(QByteArrayView packed, qsizetype length, QByteArray& image);

}  // namespace ImageCodec
