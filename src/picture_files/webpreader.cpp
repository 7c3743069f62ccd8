// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/webpreader.h"

#include "picture_files/picturemessages.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>
#include <memory>

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32; // B, G, R, A in memory here
#if Q_BYTE_ORDER != Q_LITTLE_ENDIAN
#error "The WebP reader decodes into B, G, R, A bytes, QImage's ARGB32 on little-endian machines"
#endif

// Decodes WebP data into the picture's own memory, its top left corner at (x, y).
VP8StatusCode decodeInto(const std::uint8_t *data, std::size_t size, QImage &picture, int x, int y,
                         int width, int height)
{
    WebPDecoderConfig config;
    WebPInitDecoderConfig(&config);
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = picture.scanLine(y) + std::size_t(x) * 4;
    config.output.u.RGBA.stride = int(picture.bytesPerLine());
    config.output.u.RGBA.size =
        std::size_t(picture.bytesPerLine()) * std::size_t(height - 1) + std::size_t(width) * 4;
    const VP8StatusCode status = WebPDecode(data, size, &config);
    WebPFreeDecBuffer(&config.output);
    return status;
}

// An animation's first frame on its canvas: the canvas starts transparent, and a first frame
// blended or not over nothing is the frame itself, so only the frame's own pixels need decoding.
DecodedPicture firstFrame(const WebPData &data, int width, int height)
{
    const std::unique_ptr<WebPDemuxer, decltype(&WebPDemuxDelete)> demuxer(WebPDemux(&data),
                                                                           WebPDemuxDelete);
    WebPIterator frame{};
    if (!demuxer || int(WebPDemuxGetI(demuxer.get(), WEBP_FF_CANVAS_WIDTH)) != width ||
        int(WebPDemuxGetI(demuxer.get(), WEBP_FF_CANVAS_HEIGHT)) != height ||
        !WebPDemuxGetFrame(demuxer.get(), 1, &frame)) {
        return {{}, damagedMessage()};
    }
    const std::unique_ptr<WebPIterator, decltype(&WebPDemuxReleaseIterator)> release(
        &frame, WebPDemuxReleaseIterator);
    if (frame.x_offset < 0 || frame.y_offset < 0 || frame.width <= 0 || frame.height <= 0 ||
        frame.x_offset + frame.width > width || frame.y_offset + frame.height > height) {
        return {{}, damagedMessage()};
    }
    QImage picture(width, height, kFormat);
    if (picture.isNull()) {
        return {{}, damagedMessage()};
    }
    std::memset(picture.bits(), 0, std::size_t(picture.sizeInBytes())); // transparent
    if (decodeInto(frame.fragment.bytes, frame.fragment.size, picture, frame.x_offset,
                   frame.y_offset, frame.width, frame.height) != VP8_STATUS_OK) {
        return {{}, damagedMessage()};
    }
    return {picture, {}};
}

} // namespace

DecodedPicture readWebp(const QByteArray &bytes, qint64 mostPixels)
{
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    WebPBitstreamFeatures features{};
    const VP8StatusCode status = WebPGetFeatures(data, std::size_t(bytes.size()), &features);
    if (status == VP8_STATUS_NOT_ENOUGH_DATA) {
        return {{}, incompleteBecause(endMissing())};
    }
    if (status != VP8_STATUS_OK) {
        return {{}, damagedMessage()};
    }
    if (qint64(features.width) * features.height > mostPixels) {
        return {{}, tooManyPixels(features.width, features.height, mostPixels)};
    }
    if (features.has_animation) {
        return firstFrame({data, std::size_t(bytes.size())}, features.width, features.height);
    }
    QImage picture(features.width, features.height, kFormat);
    if (picture.isNull()) {
        return {{}, damagedMessage()};
    }
    const VP8StatusCode decoded =
        decodeInto(data, std::size_t(bytes.size()), picture, 0, 0, features.width, features.height);
    if (decoded == VP8_STATUS_NOT_ENOUGH_DATA) {
        return {{}, incompleteBecause(endMissing())};
    }
    if (decoded != VP8_STATUS_OK) {
        return {{}, damagedMessage()};
    }
    return {picture, {}};
}
