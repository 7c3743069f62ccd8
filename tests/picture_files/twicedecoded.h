// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
