#pragma once

// Installs the shape runner of every element kind whose shape is built (elementShapeRunners):
// start-up does it before the first drawing opens, and so do the tests and benchmarks.
void installElementShapes();
