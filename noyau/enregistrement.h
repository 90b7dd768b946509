#pragma once

// Registers every C++ type the scenes use under the QML module "Tessimora 1.0".
// Called once by the host before the root scene loads, and by the QML test
// runner, so that scenes and their tests see exactly the same types.
void enregistrerTypes();
