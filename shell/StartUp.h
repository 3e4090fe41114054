#pragma once

// The application's start-up, run and shutdown, called once by WinMain: names the application,
// creates the main frame maximised and runs its start-up, opens the drawing named on the command
// line, runs pump steps until the application quits, and deletes the frame (which deletes the
// global managers).
void runApplication();
inline void startUp() { runApplication(); }

class Application;

// The application's names and resources: class "korvane" (drawings "korvaneDoc"), title
// "Korvane", the element clipboard's format, the frame's and the drawings' icons, and the makers
// that the document folder calls (progress windows, attribute holders, the drawings' views).
void nameApplication(Application& app);

// The start-up half of runApplication; 0 when the frame window could not be made (the application
// then quits).
[[nodiscard]] int initApplication();
// Deletes the main frame.
void exitApplication();
