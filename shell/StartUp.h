#pragma once

// The application's start-up, run and shutdown: names the application, creates the main frame,
// opens the command-line drawing and runs pump steps until the application quits.
void runApplication();
inline void startUp() { runApplication(); }
