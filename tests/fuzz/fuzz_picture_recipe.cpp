// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture's recipe as opening a PNG reads it. An input is a PNG up to its end chunk, then the
// bytes of a recipe (its chunk's data, so that a change needs no new CRC); the chunks of the
// whole input are walked as a file's would be.
#include "palette/picturerecipe.h"
#include "picture_files/picturefile.h"
#include "picture_files/pngchunk.h"
#include "surface/columnplane.h"

#include "fuzzsupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    startQt();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const PngChunk chunk = findPngChunk(input, kRecipeChunkType);
    if (chunk.data && chunk.damaged) {
        __builtin_trap(); // either found or damaged, never both
    }
    const qsizetype end = input.indexOf("IEND");
    if (end < 0) {
        return 0;
    }
    const PictureRead read = readPictureBytes(input.left(end + 8));
    if (!read.error.isEmpty() || read.picture.width() > 1024 || read.picture.height() > 1024) {
        return 0;
    }
    const QImage picture = read.picture.convertToFormat(QImage::Format_RGB32);
    const RecipeRead recipe = decodeRecipe(input.mid(end + 8), picture);
    if (recipe.error.isEmpty() == recipe.columns.isNull()) {
        __builtin_trap(); // taken with no columns, or refused with them
    }
    if (!recipe.error.isEmpty()) {
        return 0;
    }
    // A recipe taken fits: every remembered column is on the strip and shows its colour, so
    // writing it again drops nothing and reads back the same.
    qsizetype dropped = -1;
    const QByteArray again = encodeRecipe(recipe.palette, picture, recipe.columns, &dropped);
    const RecipeRead back = decodeRecipe(again, picture);
    if (dropped != 0 || !back.error.isEmpty() || back.columns != recipe.columns) {
        __builtin_trap();
    }
    return 0;
}
