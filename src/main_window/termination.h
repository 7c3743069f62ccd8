#pragma once

// Makes a request to terminate the process (SIGTERM, as a desktop session sends at its end)
// close the program the ordinary way: the event loop ends and main returns 0.
void quitOnTerminationRequest();
