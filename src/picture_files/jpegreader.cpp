// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files/jpegreader.h"

#include "picture_files/picturemessages.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// How a refusal ends the decoding: libjpeg calls error_exit, which jumps back to readJpeg.
struct Refusal {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    int code = 0; // libjpeg's message code, or kTooManyScans
};
constexpr int kTooManyScans = -1;

[[noreturn]] void refuse(j_common_ptr decoder)
{
    std::longjmp(reinterpret_cast<Refusal *>(decoder->err)->back, 1);
}

[[noreturn]] void onError(j_common_ptr decoder)
{
    reinterpret_cast<Refusal *>(decoder->err)->code = decoder->err->msg_code;
    refuse(decoder);
}

// A warning (level -1) means the data is cut off or corrupt: libjpeg would go on with made-up
// pixels, so it refuses. Trace messages (levels 0 and up) are only notes.
void onMessage(j_common_ptr decoder, int level)
{
    if (level < 0) {
        reinterpret_cast<Refusal *>(decoder->err)->code = decoder->err->msg_code;
        refuse(decoder);
    }
}

void onProgress(j_common_ptr decoder)
{
    auto *jpeg = reinterpret_cast<j_decompress_ptr>(decoder);
    if (jpeg->input_scan_number > kMostJpegScans) {
        reinterpret_cast<Refusal *>(decoder->err)->code = kTooManyScans;
        refuse(decoder);
    }
}

QString reason(int code)
{
    switch (code) {
    case kTooManyScans:
        return QCoreApplication::translate(
                   "PictureFiles", "The picture has more than %1 scans; pictures of up to %1 scans "
                                   "can be opened.")
            .arg(kMostJpegScans);
    case JWRN_JPEG_EOF:
        return incompleteBecause(endMissing());
    case JERR_NO_IMAGE:
    case JERR_SOF_NO_SOS:
        return incompleteBecause(
            QCoreApplication::translate("PictureFiles", "it holds no picture data"));
    case JWRN_HIT_MARKER:
        return incompleteBecause(dataMissing());
    default:
        return damagedMessage();
    }
}

// CMYK as Adobe's programs write it, each ink stored inverted.
QRgb fromInvertedCmyk(const JSAMPLE *ink)
{
    const int k = ink[3];
    return qRgb(ink[0] * k / 255, ink[1] * k / 255, ink[2] * k / 255);
}

// What one decoding works on, kept by readJpeg so nothing changes in the frame that calls setjmp.
struct Decoding {
    jpeg_decompress_struct jpeg{};
    Refusal refusal{};
    jpeg_progress_mgr progress{};
    QImage picture;
    QString error;
};

void readPixels(Decoding &decoding, qint64 mostPixels)
{
    jpeg_decompress_struct &jpeg = decoding.jpeg;
    jpeg_read_header(&jpeg, TRUE);
    if (qint64(jpeg.image_width) * jpeg.image_height > mostPixels) {
        decoding.error = tooManyPixels(jpeg.image_width, jpeg.image_height, mostPixels);
        return;
    }
    const bool cmyk = jpeg.jpeg_color_space == JCS_CMYK || jpeg.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    jpeg.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA; // as QImage's 32-bit words lie
#else
    jpeg.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    jpeg_start_decompress(&jpeg);
    QImage &picture = decoding.picture;
    picture = QImage(int(jpeg.output_width), int(jpeg.output_height), QImage::Format_RGB32);
    if (picture.isNull()) {
        decoding.error = damagedMessage();
        return;
    }
    while (jpeg.output_scanline < jpeg.output_height) {
        auto *row = picture.scanLine(int(jpeg.output_scanline));
        jpeg_read_scanlines(&jpeg, &row, 1);
        if (cmyk) { // four bytes of ink a pixel, turned into colour in place
            auto *pixels = reinterpret_cast<QRgb *>(row);
            for (int x = 0; x < picture.width(); ++x) {
                pixels[x] = fromInvertedCmyk(row + 4 * x);
            }
        }
    }
    jpeg_finish_decompress(&jpeg);
}

void decode(Decoding &decoding, const QByteArray &bytes, qint64 mostPixels)
{
    decoding.jpeg.err = jpeg_std_error(&decoding.refusal.manager);
    decoding.refusal.manager.error_exit = onError;
    decoding.refusal.manager.emit_message = onMessage;
    decoding.progress.progress_monitor = onProgress;
    if (setjmp(decoding.refusal.back)) {
        decoding.error = reason(decoding.refusal.code);
        jpeg_destroy_decompress(&decoding.jpeg);
        return;
    }
    jpeg_create_decompress(&decoding.jpeg);
    decoding.jpeg.progress = &decoding.progress;
    jpeg_mem_src(&decoding.jpeg, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    readPixels(decoding, mostPixels);
    jpeg_destroy_decompress(&decoding.jpeg);
}

} // namespace

DecodedPicture readJpeg(const QByteArray &bytes, qint64 mostPixels)
{
    Decoding decoding;
    decode(decoding, bytes, mostPixels);
    if (!decoding.error.isEmpty()) {
        return {{}, decoding.error};
    }
    return {decoding.picture, {}};
}
