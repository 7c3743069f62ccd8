// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHashFunctions>
#include <QImage>

#include <malloc.h>

// A reader run twice, glibc's malloc filling what it hands out with a different byte each
// time: a pixel that differs between the two pictures is one the input did not define.
// (Under a sanitizer or valgrind, which bring their own malloc, both runs see the same fill
// and only those tools can tell.)
template <typename Read> struct TwiceDecoded {
    decltype(std::declval<Read>()()) first, second;
};

template <typename Read> TwiceDecoded<Read> decodeTwice(Read read)
{
    mallopt(M_PERTURB, 0x5a);
    auto first = read();
    mallopt(M_PERTURB, 0xc3);
    auto second = read();
    mallopt(M_PERTURB, 0);
    return {std::move(first), std::move(second)};
}

// Whether two decodings of one input gave the same picture, pixel for pixel.
inline bool samePixels(const QImage &first, const QImage &second)
{
    return first.isNull() == second.isNull() &&
           (first.isNull() || first.convertToFormat(QImage::Format_ARGB32) ==
                                  second.convertToFormat(QImage::Format_ARGB32));
}

// A digest of a picture's pixels as ARGB32, so that a decoding can be compared with another
// without both pictures held at once; empty for no picture.
inline QByteArray pixelDigest(const QImage &picture)
{
    if (picture.isNull()) {
        return {};
    }
    const QImage argb = picture.format() == QImage::Format_ARGB32
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
    const std::size_t digest = qHashBits(argb.constBits(), std::size_t(argb.sizeInBytes()));
    return QByteArray::number(quint64(digest)) + ' ' + QByteArray::number(argb.width()) + 'x' +
           QByteArray::number(argb.height());
}

// Whether a reader, run twice over differently filled memory, gives the same pixels and the
// same reason, and each a picture or a reason, never both, never neither; `read` returns
// something with `picture` and `error`. Only one decoding is held at a time.
template <typename Read> bool sameTwice(Read read)
{
    mallopt(M_PERTURB, 0x5a);
    QByteArray digest;
    QString error;
    bool either = false;
    {
        const auto once = read();
        digest = pixelDigest(once.picture);
        error = once.error;
        either = once.picture.isNull() != once.error.isEmpty();
    }
    mallopt(M_PERTURB, 0xc3);
    const auto again = read();
    mallopt(M_PERTURB, 0);
    return either && pixelDigest(again.picture) == digest && again.error == error;
}
