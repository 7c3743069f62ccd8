// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>

// Where Qt can reach no window system it ends the process with a list of its plugins and an
// abort. openDisplay makes the application object and, if that happens, says so in one line
// and ends the program with status 1 instead. Qt's messages while it connects are held back
// and passed on once the connection stands.
void beginOpeningDisplay();
void endOpeningDisplay();

template <typename Application> std::unique_ptr<Application> openDisplay(int &argc, char **argv)
{
    beginOpeningDisplay();
    auto application = std::make_unique<Application>(argc, argv);
    endOpeningDisplay();
    return application;
}
