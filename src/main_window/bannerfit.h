// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPushButton;

// Gives a banner the largest size of the default font, up to its own and in half points, at
// which its whole caption fits within the margins the style gives a button.
void fitBannerCaption(QPushButton *banner);
