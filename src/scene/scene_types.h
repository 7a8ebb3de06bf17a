#pragma once

// Keeps the scene's C++ types (QML_ELEMENT in this library, module "modules") in the program: the
// library is static, so the linker drops their generated registration unless something refers to
// it. Every view of the scene calls this before it loads a document.
void keepSceneTypes();
