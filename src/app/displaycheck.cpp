// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/displaycheck.h"

#include <QString>
#include <QtGlobal>

#include <utility>
#include <vector>

namespace {

QtMessageHandler qtHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldMessages;

void holdWhileOpening(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs("sinepaint: no display could be opened: set DISPLAY or WAYLAND_DISPLAY to "
                   "a running X server or Wayland compositor\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.emplace_back(type, message);
}

} // namespace

void beginOpeningDisplay()
{
    qtHandler = qInstallMessageHandler(holdWhileOpening);
}

void endOpeningDisplay()
{
    qInstallMessageHandler(qtHandler);
    for (const auto &[type, message] : std::exchange(heldMessages, {})) {
        qtHandler(type, QMessageLogContext(), message);
    }
}
