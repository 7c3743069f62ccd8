// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <limits>

// What the picture checks read files with.

// a * b for counts that are not negative, held at the largest count where it would overflow:
// no file holds that many bytes.
inline qint64 product(qint64 a, qint64 b)
{
    constexpr qint64 kMost = std::numeric_limits<qint64>::max();
    return a != 0 && b > kMost / a ? kMost : a * b;
}

// Reads numbers from the bytes, refusing to read past the end.
class Bytes {
public:
    explicit Bytes(const QByteArray &bytes) : bytes_(bytes) {}

    qint64 size() const { return bytes_.size(); }
    bool has(qint64 at, qint64 count) const
    {
        return at >= 0 && count >= 0 && at <= size() && count <= size() - at;
    }
    quint32 byte(qint64 at) const { return has(at, 1) ? quint8(bytes_[at]) : 0; }
    quint32 little16(qint64 at) const { return byte(at) | byte(at + 1) << 8; }
    quint32 little32(qint64 at) const { return little16(at) | little16(at + 2) << 16; }
    quint32 big16(qint64 at) const { return byte(at) << 8 | byte(at + 1); }
    quint32 big32(qint64 at) const { return big16(at) << 16 | big16(at + 2); }

private:
    const QByteArray &bytes_;
};
