#pragma once

// Installs the shape runner of every element kind whose shape is built (elementShapeRunners):
// start-up does it before the first drawing opens, and so do the tests and benchmarks.
void installElementShapes();

// The runners of the bitmap and picture kinds (installElementShapes calls it).
void installImageShapes();
