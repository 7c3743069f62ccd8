// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Makes a request to terminate the process (SIGTERM, as a desktop session sends at its end)
// close the program the ordinary way: the event loop ends and main returns 0.
void quitOnTerminationRequest();
