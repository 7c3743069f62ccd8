#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The sinepaint developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Frames a second the window shows while its colours cycle with Live palette on, at scale 2 on
# a 3840 x 2160 screen, in a real X server with a window manager.
# Usage: cycle_frames.sh CYCLE_FRAMES
set -euo pipefail

cycle_frames=$1
source "$(dirname "$0")/../scripts/xsession.sh"
start_x_session 3840x2160
rate=$(QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb "$cycle_frames" 2>/dev/null)
holds=$(awk -v r="$rate" 'BEGIN { print (r >= 55) ? "yes" : "NO" }')
printf '\n%-26s %9s /s   %-24s %9s    %7s %7s  %s\n' "CycleFramesAt2x4K" "$rate" "-" "-" "-" \
    ">= 55" "$holds"
