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

DecodedPicture firstFrame(const WebPData &data, int width, int height)
{
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    options.color_mode = MODE_BGRA;
    options.use_threads = 0;
    const std::unique_ptr<WebPAnimDecoder, decltype(&WebPAnimDecoderDelete)> decoder(
        WebPAnimDecoderNew(&data, &options), WebPAnimDecoderDelete);
    WebPAnimInfo info{};
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info) ||
        int(info.canvas_width) != width || int(info.canvas_height) != height) {
        return {{}, kDamaged};
    }
    std::uint8_t *canvas = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder.get(), &canvas, &timestamp)) {
        return {{}, kDamaged};
    }
    QImage picture(width, height, kFormat);
    if (picture.isNull()) {
        return {{}, kDamaged};
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(picture.scanLine(y), canvas + std::size_t(y) * width * 4,
                    std::size_t(width) * 4);
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
        return {{}, incompleteBecause(kEndMissing)};
    }
    if (status != VP8_STATUS_OK) {
        return {{}, kDamaged};
    }
    if (qint64(features.width) * features.height > mostPixels) {
        return {{}, tooManyPixels(features.width, features.height)};
    }
    if (features.has_animation) {
        return firstFrame({data, std::size_t(bytes.size())}, features.width, features.height);
    }
    QImage picture(features.width, features.height, kFormat);
    if (picture.isNull()) {
        return {{}, kDamaged};
    }
    WebPDecoderConfig config;
    WebPInitDecoderConfig(&config);
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = picture.bits();
    config.output.u.RGBA.stride = int(picture.bytesPerLine());
    config.output.u.RGBA.size = std::size_t(picture.sizeInBytes());
    const VP8StatusCode decoded = WebPDecode(data, std::size_t(bytes.size()), &config);
    WebPFreeDecBuffer(&config.output);
    if (decoded == VP8_STATUS_NOT_ENOUGH_DATA) {
        return {{}, incompleteBecause(kEndMissing)};
    }
    if (decoded != VP8_STATUS_OK) {
        return {{}, kDamaged};
    }
    return {picture, {}};
}
